#include "recording_sink.h"
#include "screenshot.h"
#include "ui/app/menu_table.h"
#include "ui/app/principal.h"
#include "ui/app/version_check.h"
#include "ui/common/enter_nav.h"
#include "ui_session.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

using namespace fin;
using namespace fin::ui;

namespace {

// A tiny HTTP server on loopback: answers the version path with `body`,
// redirects "/old" there, or never answers when `silent`.
class VersionServer : public QTcpServer {
public:
    QByteArray body;
    bool silent = false;
    int requests = 0;
    QList<QByteArray> lastHeaders;

    VersionServer()
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    const QByteArray req = s->readAll();
                    ++requests;
                    lastHeaders = req.split('\n');
                    if (silent)
                        return;
                    QByteArray answer;
                    if (req.startsWith("GET /old "))
                        answer = "HTTP/1.1 302 Found\r\nLocation: /atualizacao/validaversao.txt\r\nContent-Length: 0\r\n\r\n";
                    else if (req.startsWith("GET /atualizacao/validaversao.txt "))
                        answer = "HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
                    else
                        answer = "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n";
                    s->write(answer);
                    s->disconnectFromHost();
                });
            }
        });
    }
    QString host() const { return QStringLiteral("127.0.0.1:%1").arg(serverPort()); }
};

} // namespace

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void menuFollowsTheTable()
    {
        test::UiSession s;
        TFrm_principal w(s.session);
        QCOMPARE(w.windowTitle(), QStringLiteral("K.V.T - [Controle Financeiro]"));
        QStringList tops;
        for (QAction* a : w.menuBar()->actions())
            tops << a->text();
        QCOMPARE(tops, (QStringList{"Arquivo", "Contas a pagar", "Rel. contas a pagar", "Contas a rebecer",
                                    "Rel. contas a receber", "Rel. resultado gerencial", "Caixa", "Banco"}));
        // Every item, in order, under its menu and submenu.
        QStringList built;
        std::function<void(QMenu*, const QString&)> walk = [&](QMenu* m, const QString& path) {
            for (QAction* a : m->actions()) {
                if (a->menu())
                    walk(a->menu(), path + u'>' + a->text());
                else
                    built << path + u'|' + a->text() + u'|' + a->objectName()
                                 + (!a->isVisible() ? "|oculto" : a->isEnabled() ? "" : "|desabilitado");
            }
        };
        for (QAction* a : w.menuBar()->actions())
            walk(a->menu(), a->text());
        QStringList expected;
        for (const MenuEntry& e : mainMenuTable())
            expected << e.menu + (e.submenu.isEmpty() ? QString() : u'>' + e.submenu) + u'|' + e.caption + u'|' + e.handler
                            + (e.kind == CommandKind::Hidden ? "|oculto" : "") + (e.kind == CommandKind::Separator ? "|desabilitado" : "");
        QCOMPARE(built, expected);
        QVERIFY(built.contains("Contas a rebecer|Recebe Título com  Cheque|RecebeTtulocomCheque1Click"));
        QVERIFY(built.contains("Contas a pagar|Consulta, altera, baixa.|Consulta1Click"));
        QVERIFY(built.contains("Contas a rebecer|" + QString(41, u'_') + "|N2|desabilitado"));
        QVERIFY(built.contains("Banco|Res.Saldo|ResSaldo1|oculto"));
        QCOMPARE(built.filter(QRegularExpression("^Contas a rebecer\\|")).last(), QStringLiteral("Contas a rebecer||N4"));
        QCOMPARE(built.size(), 47);

        // "Suspensão de Título" answers with its message; an unwired window does nothing.
        test::RecordingSink sink;
        w.runCommand("Containativa1Click");
        QCOMPARE(sink.texts(), QStringList{"Em densenvolvimento, aguarde."});
        w.runCommand("Consulta2Click");
        QCOMPARE(sink.shown.size(), size_t(1));
    }

    void statusPanelsAndSchemaStep()
    {
        test::UiSession s;
        test::RecordingSink sink;
        TFrm_principal w(s.session);
        w.FormShow();
        QCOMPARE(w.panel(0)->text(), QStringLiteral("Usuário :   - Versão: 1.04"));
        QVERIFY(!w.panel(1)->text().isEmpty());
        QVERIFY(!w.panel(2)->text().isEmpty());
        QVERIFY(QRegularExpression("^\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d$").match(w.panel(3)->text()).hasMatch());
        QVERIFY(sink.shown.empty());
        QVERIFY(!w.findChild<QPushButton*>("Button1")->isVisibleTo(&w));   // no version server configured
        w.resize(1280, 760);
        test::screenshot(&w, "principal");
    }

    void versionCheckShowsTheButtonOnlyForAnotherVersion()
    {
        VersionServer server;
        struct Case { QByteArray body; bool shown; };
        const Case cases[] = {
            {"xx1,04xxx1,04xxxxxx", false},   // equal version (module 2 at 10-13)
            {"xx1,04xxx1,05xxxxxx", true},
            {"xxxxxxxxx0,99", true},
            {"xxxxxxxxx1.04", false},
            {"xxxxxxxxx    xxxx", false},    // four blanks
            {"xxxxxxxxx1,0", false},          // a 12-character file
            {"", false},
        };
        for (const auto& c : cases) {
            server.body = c.body;
            VersionCheck check{server.host(), [] { return true; }, 2000};
            QCOMPARE(newVersionAvailable(check), c.shown);
        }
        QVERIFY(server.lastHeaders.contains("User-Agent: Mozilla/5.0 (compatible; IndyLibrary)\r"));
        QVERIFY(server.lastHeaders.contains("Accept: text/html, */*\r"));

        // No connection: no request at all.
        const int before = server.requests;
        QVERIFY(!newVersionAvailable({server.host(), [] { return false; }, 2000}));
        QCOMPARE(server.requests, before);

        // Redirections are followed.
        server.body = "xxxxxxxxx2,00";
        QCOMPARE(verificar_versao("2", QUrl("http://" + server.host() + "/old"), 2000), QStringLiteral("2,00"));

        // A server that never answers is abandoned after the time-out.
        server.silent = true;
        QElapsedTimer t;
        t.start();
        QVERIFY(!newVersionAvailable({server.host(), [] { return true; }, 300}));
        QVERIFY(t.elapsed() < 5000);

        // The main window shows the button for another version.
        server.silent = false;
        server.body = "xxxxxxxxx1,05";
        test::UiSession s;
        TFrm_principal w(s.session);
        w.versionCheck = {server.host(), [] { return true; }, 2000};
        w.FormShow();
        QVERIFY(w.findChild<QPushButton*>("Button1")->isVisibleTo(&w));
    }

    void commandErrorsFollowTheirKind()
    {
        test::UiSession s;
        test::RecordingSink sink;
        TFrm_principal w(s.session);
        auto failing = [](Session&, QWidget*) -> QDialog* { throw std::runtime_error("tabela inexistente"); };
        TFrm_principal::registerWindow("Relatrio1Click", failing);      // a report
        TFrm_principal::registerWindow("Consulta2Click", failing);      // an ordinary window
        TFrm_principal::registerWindow("Cadastro1Click", failing);      // one of the five
        w.runCommand("Relatrio1Click");
        w.runCommand("Consulta2Click");
        QVERIFY(sink.shown.empty());
        w.runCommand("Cadastro1Click");
        QCOMPARE(sink.texts(), QStringList{"tabela inexistente"});
        QCOMPARE(sink.shown[0].caption, QStringLiteral("Financeiro"));
        QVERIFY(sink.shown[0].icon == MessageSink::Icon::Critical);
        for (const char* h : {"Relatrio1Click", "Consulta2Click", "Cadastro1Click"})
            TFrm_principal::registerWindow(h, {});
    }

    void moduleVersionPositions()
    {
        const QString text = "ab1,04xyz1,05" + QString(38, u'.') + "8,88";
        QCOMPARE(moduleVersionText(text, "1"), QStringLiteral("1,04"));
        QCOMPARE(moduleVersionText(text, "2"), QStringLiteral("1,05"));
        QCOMPARE(moduleVersionText(text, "8"), QStringLiteral("8,88"));
        QCOMPARE(moduleVersionText(text, "3"), QString());
        QCOMPARE(moduleVersionText("123456789ABC", "2"), QStringLiteral("ABC"));
        QCOMPARE(moduleVersionText("123456789ABC", "8"), QString());
    }

    void updateQuestion()
    {
        test::UiSession s;
        test::RecordingSink sink;
        TFrm_principal w(s.session);
        QTemporaryDir dir;
        w.updaterPath = dir.filePath("atualizador");
        w.show();
        sink.answers = {MessageSink::Answer::No};
        w.Button1Click();
        QCOMPARE(sink.shown.size(), size_t(1));
        QCOMPARE(sink.shown[0].caption, QStringLiteral("Atenção"));
        QCOMPARE(sink.shown[0].text, QStringLiteral("O sistema sera fechado para atualização. Deseja continuar ?"));
        QVERIFY(sink.shown[0].buttons == MessageSink::Buttons::YesNo);
        sink.answers = {MessageSink::Answer::Yes};
        w.Button1Click();
        QCOMPARE(sink.shown.size(), size_t(3));
        QCOMPARE(sink.last(), QString::fromLocal8Bit(strerror(ENOENT)));   // the system's "file not found" text
        QVERIFY(w.isVisible());

        // An updater that starts: it receives "2" and the program closes.
        QFile script(w.updaterPath);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QString("#!/bin/sh\necho \"$@\" > '%1'\n").arg(dir.filePath("args.txt")).toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        sink.answers = {MessageSink::Answer::Yes};
        w.Button1Click();
        QVERIFY(!w.isVisible());
        QTRY_VERIFY(QFile::exists(dir.filePath("args.txt")));
        auto argsWritten = [&] {
            QFile args(dir.filePath("args.txt"));
            return args.open(QIODevice::ReadOnly) && args.readAll() == "2\n";
        };
        QTRY_VERIFY(argsWritten());
    }

    void enterMovesFocusExceptInGridsAndMemos()
    {
        EnterNavigation::install();
        QDialog d;
        auto* layout = new QVBoxLayout(&d);
        auto* first = new QLineEdit(&d);
        auto* second = new QLineEdit(&d);
        auto* grid = new QTableView(&d);
        auto* model = new QStandardItemModel(2, 2, &d);
        grid->setModel(model);
        auto* memo = new QPlainTextEdit(&d);
        auto* ok = new QPushButton("OK", &d);
        ok->setDefault(true);
        int clicks = 0;
        connect(ok, &QPushButton::clicked, &d, [&] { ++clicks; });
        for (QWidget* w : {static_cast<QWidget*>(first), static_cast<QWidget*>(second), static_cast<QWidget*>(grid),
                           static_cast<QWidget*>(memo), static_cast<QWidget*>(ok)})
            layout->addWidget(w);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        first->setFocus();
        QTest::keyClick(first, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), second);
        QTest::keyClick(second, Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), grid);
        QCOMPARE(clicks, 0);   // Enter in the edits never pressed the default button
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), grid);
        memo->setFocus();
        QTest::keyClick(memo, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), memo);
        QCOMPARE(memo->toPlainText(), QStringLiteral("\n"));
    }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
