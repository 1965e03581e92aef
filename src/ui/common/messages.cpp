#include "ui/common/messages.h"

#include "common/errors.h"

#include <QApplication>
#include <QMessageBox>

namespace fin::ui {

namespace {

MessageSink* g_sink = nullptr;

} // namespace

MessageSink::Answer BoxSink::show(const QString& caption, const QString& text, Icon icon, Buttons buttons)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    box.setText(text);
    switch (icon) {
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Warning:
    case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::None: break;
    }
    switch (buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setButtonText(QMessageBox::Yes, QStringLiteral("&Sim"));
        box.setButtonText(QMessageBox::No, QStringLiteral("&Não"));
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setButtonText(QMessageBox::Cancel, QStringLiteral("Cancelar"));
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: return Answer::Ok;
    }
}

MessageSink& messages()
{
    static BoxSink boxes;
    return g_sink ? *g_sink : boxes;
}

void setMessageSink(MessageSink* sink)
{
    g_sink = sink;
}

void InfoAndAbort(const QString& text)
{
    messages().info(text);
    throw common::SilentAbort();
}

} // namespace fin::ui
