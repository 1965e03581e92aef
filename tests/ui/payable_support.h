#pragma once

// Shared by the payable window tests.

#include "data/database.h"
#include "data/statement.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <initializer_list>
#include <utility>

namespace fin::test::payable_ui {

// The workstation's moment in these tests; the demo rows are dated by the server.
inline const QDateTime kNow(QDate(2031, 3, 14), QTime(10, 30));

template <class T>
T* child(QWidget* parent, const QString& name)
{
    T* c = parent->findChild<T*>(name);
    if (!c)
        qFatal("no control named %s", qPrintable(name));
    return c;
}

inline QString focused()
{
    QWidget* f = QApplication::focusWidget();
    return f ? f->objectName() : QStringLiteral("(nenhum)");
}

// Puts the cursor in the box, replaces its text by typing.
inline void type(QLineEdit* e, const QString& text)
{
    e->setFocus(Qt::OtherFocusReason);
    e->selectAll();
    if (text.isEmpty())
        QTest::keyClick(e, Qt::Key_Delete);
    else
        QTest::keyClicks(e, text);
}

// Leaves the focused control with Tab, as the user does (a date box is left
// from its last part: Tab first walks its day, month and year).
inline void leave()
{
    QWidget* w = QApplication::focusWidget();
    if (auto* d = qobject_cast<QDateTimeEdit*>(w))
        d->setCurrentSectionIndex(d->sectionCount() - 1);
    QTest::keyClick(w, Qt::Key_Tab);
}

// The controls Tab visits from the focused one, each named once.
inline QStringList tabWalk(int controls)
{
    QStringList out;
    for (int i = 0; i < controls * 4 && out.size() < controls; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QString name = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
        if (out.isEmpty() || out.last() != name)
            out << name;
    }
    return out;
}

using Params = std::initializer_list<std::pair<const char*, data::Value>>;

inline data::Rows query(data::Database& db, const char* sql, Params params = {})
{
    return db.inTransaction([&](data::Transaction& tx) {
        data::Statement st(tx, QString::fromUtf8(sql));
        for (const auto& [name, value] : params)
            st.set(QString::fromUtf8(name), value);
        return st.query();
    });
}

inline void exec(data::Database& db, const char* sql, Params params = {})
{
    db.inTransaction([&](data::Transaction& tx) {
        data::Statement st(tx, QString::fromUtf8(sql));
        for (const auto& [name, value] : params)
            st.set(QString::fromUtf8(name), value);
        st.execute();
    });
}

inline int count(data::Database& db, const char* sql, Params params = {})
{
    return query(db, sql, params).at(0).at(0).toInt();
}

} // namespace fin::test::payable_ui
