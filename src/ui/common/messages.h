#pragma once

#include <QString>

namespace fin::ui {

inline const QString kAppTitle = QStringLiteral("Financeiro");

// Every message box of the program goes through a sink: production shows
// QMessageBox; tests record and answer.
class MessageSink {
public:
    enum class Icon { None, Information, Warning, Critical, Question, Exclamation };
    enum class Buttons { Ok, YesNo, OkCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~MessageSink() = default;
    virtual Answer show(const QString& caption, const QString& text, Icon icon, Buttons buttons) = 0;

    // A plain information box with the application title.
    void info(const QString& text) { show(kAppTitle, text, Icon::Information, Buttons::Ok); }
    // The standard error box: application title, error icon, the error text.
    void error(const QString& text) { show(kAppTitle, text, Icon::Critical, Buttons::Ok); }
    bool askYesNo(const QString& caption, const QString& text, Icon icon = Icon::Question)
    {
        return show(caption, text, icon, Buttons::YesNo) == Answer::Yes;
    }
};

class BoxSink : public MessageSink {
public:
    Answer show(const QString& caption, const QString& text, Icon icon, Buttons buttons) override;
};

// The sink of the running program; a BoxSink unless a test installs another.
MessageSink& messages();
void setMessageSink(MessageSink* sink);

// Shows the message (application title, information icon, OK) and ends the
// current user action silently.
[[noreturn]] void InfoAndAbort(const QString& text);

} // namespace fin::ui
