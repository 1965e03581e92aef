#include "ui/app/principal.h"

#include "data/config.h"
#include "data/schema_extension.h"
#include "ui/app/menu_table.h"
#include "ui/common/clock.h"
#include "ui/common/guard.h"
#include "ui/common/messages.h"
#include "ui/common/modal.h"
#include "ui/common/session.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include <cerrno>
#include <cstring>
#include <memory>

namespace fin::ui {

namespace {

QHash<QString, WindowFactory>& registry()
{
    static QHash<QString, WindowFactory> r;
    return r;
}

const QString kPlaceText = QStringLiteral("Goiânia - GO");
const QString kLegalNotice = QStringLiteral("Programa licenciado. Cópia e distribuição proibidas sem autorização.");

// The program's own logo, drawn: used where the suite's logo file is absent.
QPixmap ownLogo()
{
    QPixmap pix(420, 180);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 70, 127));
    p.drawRoundedRect(QRectF(4, 4, 412, 172), 18, 18);
    p.setPen(QColor(255, 204, 0));
    QFont big(QStringLiteral("Sans Serif"));
    big.setPixelSize(64);
    big.setBold(true);
    p.setFont(big);
    p.drawText(QRectF(0, 10, 420, 100), Qt::AlignCenter, QStringLiteral("K.V.T"));
    p.setPen(Qt::white);
    QFont small = big;
    small.setPixelSize(30);
    p.setFont(small);
    p.drawText(QRectF(0, 100, 420, 60), Qt::AlignCenter, QStringLiteral("Controle Financeiro"));
    return pix;
}

} // namespace

QPixmap loadLogo()
{
    const QString path = data::mapFixedPath(QStringLiteral("C:\\KVT\\Executavel\\logo.bmp"), data::Locations::standard());
    QPixmap pix;
    if (QFileInfo::exists(path) && pix.load(path))
        return pix;
    return ownLogo();
}

TFrm_principal::TFrm_principal(Session& session, QWidget* parent)
    : QMainWindow(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("Frm_principal"));
    setWindowTitle(QStringLiteral("K.V.T - [Controle Financeiro]"));
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(13);
    setFont(f);
    updaterPath = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("atualizador"));
    versionCheck.host = session.versionServer();
    buildMenu();
    buildStatusBar();
    buildCentre();
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("TmrPrincipal"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, [this] { tick(); });
    m_timer->start();
    tick();
}

void TFrm_principal::registerWindow(const QString& handler, WindowFactory factory)
{
    registry().insert(handler, std::move(factory));
}

void TFrm_principal::buildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QHash<QString, QMenu*> menus;
    for (const MenuEntry& e : mainMenuTable()) {
        QMenu*& top = menus[e.menu];
        if (!top)
            top = bar->addMenu(e.menu);
        QMenu* target = top;
        if (!e.submenu.isEmpty()) {
            QMenu*& sub = menus[e.menu + u'>' + e.submenu];
            if (!sub)
                sub = top->addMenu(e.submenu);
            target = sub;
        }
        QAction* a = target->addAction(e.caption);
        a->setObjectName(e.handler);
        if (e.kind == CommandKind::Hidden)
            a->setVisible(false);
        if (e.kind == CommandKind::Separator)
            a->setEnabled(false);
        const QString handler = e.handler;
        connect(a, &QAction::triggered, this, [this, handler] { runCommand(handler); });
    }
}

void TFrm_principal::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StsBrPrincipal"));
    bar->setSizeGripEnabled(false);
    const int widths[4] = {180, 150, 600, 50};
    for (int i = 0; i < 4; ++i) {
        auto* l = new QLabel(bar);
        l->setObjectName(QStringLiteral("panel%1").arg(i));
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        if (i == 3) {
            l->setMinimumWidth(widths[i]);
            l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            bar->addPermanentWidget(l);
        } else {
            // The panels keep their widths as a minimum and grow with their text.
            // The notice gives way first on a narrow screen.
            l->setMinimumWidth(i == 2 ? widths[i] / 2 : widths[i]);
            l->setAlignment((i == 2 ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
            bar->addWidget(l, i == 2 ? 1 : 0);
        }
        m_panels[i] = l;
    }
}

void TFrm_principal::buildCentre()
{
    auto* centre = new QWidget(this);
    auto* layout = new QVBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* panel1 = new QWidget(centre);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setFixedHeight(17);
    layout->addWidget(panel1);
    m_logo = new QLabel(centre);
    m_logo->setObjectName(QStringLiteral("Logomarca"));
    m_logo->setAlignment(Qt::AlignCenter);
    m_logo->setPixmap(loadLogo());
    layout->addWidget(m_logo, 1);
    m_button1 = new QPushButton(QStringLiteral("Nova versão disponivel"), centre);
    m_button1->setObjectName(QStringLiteral("Button1"));
    m_button1->setGeometry(24, 88, 177, 25);
    m_button1->hide();
    connect(m_button1, &QPushButton::clicked, this, [this] { guarded(this, [this] { Button1Click(); }); });
    setCentralWidget(centre);
}

void TFrm_principal::tick()
{
    const QLocale br(QLocale::Portuguese, QLocale::Brazil);
    const QDateTime now = Clock::now();
    m_panels[3]->setText(br.toString(now.date(), QLocale::ShortFormat) + u' ' + now.time().toString(QStringLiteral("HH:mm:ss")));
}

void TFrm_principal::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        QTimer::singleShot(0, this, [this] { FormShow(); });
    }
}

void TFrm_principal::FormShow()
{
    // The version is shown with a point whatever the locale says.
    m_panels[0]->setText(QStringLiteral("Usuário :   - Versão: ") + QString(kProgramVersion).replace(u',', u'.'));
    m_panels[1]->setText(kPlaceText);
    m_panels[2]->setText(kLegalNotice);
    // A failure of the schema step is shown and ends this sequence: no version check then.
    if (!guarded(this, [this] { criar_tabela_campos(); }))
        return;
    if (newVersionAvailable(versionCheck))
        m_button1->show();
}

void TFrm_principal::criar_tabela_campos()
{
    data::criar_tabela_campos(m_session.schema().database());
}

void TFrm_principal::Button1Click()
{
    if (!messages().askYesNo(QStringLiteral("Atenção"), QStringLiteral("O sistema sera fechado para atualização. Deseja continuar ?"),
                             MessageSink::Icon::Exclamation))
        return;
    const QFileInfo updater(updaterPath);
    QString failure;
    if (!updater.exists())
        failure = QString::fromLocal8Bit(std::strerror(ENOENT));
    else if (!updater.isExecutable())
        failure = QString::fromLocal8Bit(std::strerror(EACCES));
    else if (!QProcess::startDetached(updater.absoluteFilePath(), {QStringLiteral("2")}, updater.absolutePath()))
        failure = QString::fromLocal8Bit(std::strerror(errno ? errno : ENOEXEC));
    if (!failure.isEmpty()) {
        messages().show(kAppTitle, failure, MessageSink::Icon::None, MessageSink::Buttons::Ok);
        return;
    }
    QCoreApplication::quit();
    close();
}

void TFrm_principal::runCommand(const QString& handler)
{
    const MenuEntry* entry = nullptr;
    for (const MenuEntry& e : mainMenuTable())
        if (e.handler == handler)
            entry = &e;
    if (!entry)
        return;
    switch (entry->kind) {
    case CommandKind::Quit:
        close();
        return;
    case CommandKind::Message:
        guarded(this, [] { InfoAndAbort(QStringLiteral("Em densenvolvimento, aguarde.")); });
        return;
    case CommandKind::Window:
    case CommandKind::WindowStrict:
    case CommandKind::Report: {
        const auto it = registry().constFind(handler);
        if (it == registry().constEnd() || !*it)
            return;   // its window is not part of the program yet
        std::unique_ptr<QDialog> window;
        if (entry->kind == CommandKind::WindowStrict) {
            if (!guarded(this, [&] { window.reset((*it)(m_session, this)); }))
                return;
        } else {
            // Errors while the window is prepared end the command silently.
            try {
                window.reset((*it)(m_session, this));
            } catch (...) {
                return;
            }
        }
        if (window)
            runModal(*window);
        return;
    }
    default:
        return;
    }
}

} // namespace fin::ui
