#include "ui/app/startup.h"

#include "data/config.h"
#include "data/connections.h"
#include "data/errors.h"
#include "ui/app/principal.h"
#include "ui/common/enter_nav.h"
#include "ui/common/guard.h"
#include "ui/common/messages.h"
#include "ui/common/session.h"

#include <QApplication>
#include <QScreen>
#include <QSocketNotifier>

#include <csignal>
#include <pthread.h>
#include <sys/signalfd.h>
#include <unistd.h>

namespace fin::ui {

namespace {

// TERM and INT (a session ending, Ctrl+C) close the program the ordinary way,
// so the database is detached cleanly. The signals are blocked before any
// thread starts, so the database client's threads never see them, and are
// read from a descriptor on the interface thread.
sigset_t quitSignals()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    return set;
}

void blockQuitSignals()
{
    const sigset_t set = quitSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

void quitOnSignals()
{
    const sigset_t set = quitSignals();
    const int fd = signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
    if (fd < 0)
        return;
    auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [fd] {
        signalfd_siginfo info;
        while (::read(fd, &info, sizeof info) == sizeof info) {
        }
        QApplication::closeAllWindows();
        QApplication::quit();
    });
}

} // namespace

int runFinanceiro(int argc, char** argv)
{
    blockQuitSignals();
    QApplication app(argc, argv);
    quitOnSignals();
    QApplication::setApplicationName(QStringLiteral("Financeiro"));
    QApplication::setApplicationDisplayName(QStringLiteral("Financeiro"));
    registerWindows();

    std::unique_ptr<Session> session;
    try {
        const data::Locations where = data::Locations::standard();
        const QString ini = data::ensureDefaultConfiguration(where);
        const data::ConnectionsFile config = data::readConnectionsFile(ini, where);
        // The schema connection first: its failure is shown and the start goes on.
        data::Connections c = data::openConnections(config, [](const QString& e) { messages().error(e); });
        session = std::make_unique<Session>(std::move(c.main), std::move(c.schema), config.versionServer);
    } catch (const std::exception& e) {
        // Without the main connection there is no program.
        messages().error(errorText(e));
        return 1;
    }

    TFrm_principal window(*session);
    EnterNavigation::install();
    // Fills the work area even where no window manager maximizes it.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return QApplication::exec();
}

} // namespace fin::ui
