#pragma once

#include "ui/app/version_check.h"

#include <QHash>
#include <QMainWindow>

#include <functional>

class QDialog;
class QLabel;
class QPushButton;
class QTimer;

namespace fin::ui {

class Session;

// Creates the window of a menu command; the command shows it modally and destroys it.
using WindowFactory = std::function<QDialog*(Session&, QWidget* parent)>;

// The main window: menu of every command, status bar with version and
// clock, logo and the button offering a new version.
class TFrm_principal : public QMainWindow {
public:
    explicit TFrm_principal(Session& session, QWidget* parent = nullptr);

    // Wires a menu command (by handler name) to the window it opens.
    static void registerWindow(const QString& handler, WindowFactory factory);

    // Runs a menu command as a click would.
    void runCommand(const QString& handler);

    // Where the updater lives and how the version is checked; tests change them.
    QString updaterPath;
    VersionCheck versionCheck;

    // The start-of-display sequence: status panels, schema extension, version check.
    void FormShow();
    void Button1Click();

    QLabel* panel(int i) const { return m_panels[i]; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildMenu();
    void buildStatusBar();
    void buildCentre();
    void criar_tabela_campos();
    void tick();

    Session& m_session;
    QLabel* m_panels[4] = {};
    QLabel* m_logo = nullptr;
    QPushButton* m_button1 = nullptr;
    QTimer* m_timer = nullptr;
    bool m_shown = false;
};

// The logo: the file at the suite's fixed path when it exists, else the program's own.
QPixmap loadLogo();

} // namespace fin::ui
