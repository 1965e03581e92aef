#pragma once

#include "ui/common/messages.h"

#include <QStringList>

#include <deque>

namespace fin::test {

// Records every message box instead of showing it, and answers questions
// from a script (Yes when the script is empty). Installs itself while alive.
class RecordingSink : public ui::MessageSink {
public:
    struct Shown {
        QString caption;
        QString text;
        Icon icon;
        Buttons buttons;
    };

    RecordingSink() { ui::setMessageSink(this); }
    ~RecordingSink() override { ui::setMessageSink(nullptr); }

    Answer show(const QString& caption, const QString& text, Icon icon, Buttons buttons) override
    {
        shown.push_back({caption, text, icon, buttons});
        if (buttons == Buttons::Ok)
            return Answer::Ok;
        if (answers.empty())
            return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }

    QStringList texts() const
    {
        QStringList out;
        for (const auto& s : shown)
            out << s.text;
        return out;
    }
    QString last() const { return shown.empty() ? QString() : shown.back().text; }
    void clear() { shown.clear(); }

    std::vector<Shown> shown;
    std::deque<Answer> answers;
};

} // namespace fin::test
