#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace fin::ui {

inline const QString kProgramVersion = QStringLiteral("1.04");
inline const QString kModuleCode = QStringLiteral("2");
inline const QString kVersionPath = QStringLiteral("/atualizacao/validaversao.txt");

// The four characters of a module's version in the published file (module
// "1": 3-6, "2": 10-13, "8": 52-55); a shorter text gives what is there;
// any other module gives an empty text.
QString moduleVersionText(const QString& body, const QString& module);

// Fetches the published file and returns the module's text. Throws on any
// network or HTTP error, and when the server does not answer in time.
QString verificar_versao(const QString& module, const QUrl& server, int timeoutMs = 5000);

// The version file's address on a host ("maker.example" or "host:port").
QUrl versionFileUrl(const QString& host);

// Whether the machine has a network connection other than loopback.
bool hasNetworkConnection();

struct VersionCheck {
    QString host;                                   // empty: no check
    std::function<bool()> connected = hasNetworkConnection;
    int timeoutMs = 5000;
};

// True when a published version different from ours was read. Every failure
// (no connection, no answer, a text that is not a version) gives false.
bool newVersionAvailable(const VersionCheck& check);

} // namespace fin::ui
