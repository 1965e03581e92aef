#include "ui/common/forms.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QValidator>

namespace fin::ui {

namespace {

// Tab (and so Enter) leaves the box at once instead of walking through the
// day, month and year sections.
class DateBox : public QDateEdit {
public:
    using QDateEdit::QDateEdit;

protected:
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};

// Turns what is typed into upper case as it is typed.
class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

} // namespace

ButtonPanel::ButtonPanel(QWidget* parent, std::initializer_list<std::pair<QString, QString>> captionsAndNames)
    : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const auto& [caption, name] : captionsAndNames) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        layout->addWidget(b);
    }
    layout->addStretch();
}

QPushButton* ButtonPanel::button(const QString& objectName) const
{
    return findChild<QPushButton*>(objectName);
}

ButtonPanel* entryButtons(QWidget* parent)
{
    return new ButtonPanel(parent, {{QStringLiteral("&Incluir"), QStringLiteral("btnIncluir")},
                                    {QStringLiteral("&Cancelar"), QStringLiteral("btnCancelar")},
                                    {QStringLiteral("&Salvar"), QStringLiteral("btnSalvar")},
                                    {QStringLiteral("&Sair"), QStringLiteral("btnSair")}});
}

QLineEdit* makeEdit(QWidget* parent, const QString& objectName, int maxLength)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(objectName);
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    return e;
}

QLineEdit* makeCodeEdit(QWidget* parent, const QString& objectName)
{
    QLineEdit* e = makeEdit(parent, objectName, 9);
    e->setMaximumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("000000000")) + 14);
    return e;
}

QComboBox* makeList(QWidget* parent, const QString& objectName, int minChars)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(objectName);
    c->setMinimumContentsLength(minChars);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return c;
}

void setUpperCase(QLineEdit* edit)
{
    edit->setValidator(new UpperCaseValidator(edit));
}

QDateEdit* makeDateEdit(QWidget* parent, const QString& objectName)
{
    auto* d = new DateBox(parent);
    d->setObjectName(objectName);
    d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    d->setCalendarPopup(true);
    return d;
}

QLineEdit* makeReadOnly(QWidget* parent, const QString& objectName)
{
    auto* e = makeEdit(parent, objectName);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    QPalette p = e->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    e->setPalette(p);
    return e;
}

void fillCombo(QComboBox* combo, const data::Rows& rows, const QString& keyColumn, const QStringList& textColumns)
{
    combo->clear();
    for (const data::Row& r : rows) {
        QStringList parts;
        for (const QString& c : textColumns)
            parts << r[c].toString().trimmed();
        combo->addItem(parts.join(QStringLiteral(" - ")), r[keyColumn].toString());
    }
    combo->setCurrentIndex(-1);
}

int selectComboKey(QComboBox* combo, const QString& key)
{
    const int i = combo->findData(key);
    combo->setCurrentIndex(i);
    return i;
}

void bindCodeToList(QLineEdit* code, QComboBox* list)
{
    QObject::connect(list, &QComboBox::activated, code, [code, list](int i) {
        code->setText(list->itemData(i).toString());
    });
    QObject::connect(code, &QLineEdit::textChanged, list, [list](const QString& text) {
        selectComboKey(list, text.trimmed());
    });
}

QLabel* labelFor(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setBuddy(buddy);
    return l;
}

} // namespace fin::ui
