#include "ui/app/version_check.h"

#include "base/money.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkInterface>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QTimer>

#include <stdexcept>

namespace fin::ui {

QString moduleVersionText(const QString& body, const QString& module)
{
    qsizetype start = -1;
    if (module == u"1")
        start = 2;
    else if (module == u"2")
        start = 9;
    else if (module == u"8")
        start = 51;
    if (start < 0 || start >= body.size())
        return {};
    return body.mid(start, 4);
}

QUrl versionFileUrl(const QString& host)
{
    QString h = host.trimmed();
    if (!h.contains(QStringLiteral("://")))
        h.prepend(QStringLiteral("http://"));
    QUrl url(h);
    url.setPath(kVersionPath);
    return url;
}

QString verificar_versao(const QString& module, const QUrl& server, int timeoutMs)
{
    QNetworkAccessManager manager;
    QNetworkRequest request(server);
    request.setRawHeader("Accept", "text/html, */*");
    request.setRawHeader("User-Agent", "Mozilla/5.0 (compatible; IndyLibrary)");
    request.setRawHeader("Content-Type", "application/x-www-form-urlencoded");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(timeoutMs);
    QNetworkReply* reply = manager.get(request);
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(timeoutMs);
    // Only network events: the user's clicks wait until the answer or the time-out.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!reply->isFinished()) {
        reply->abort();
        reply->deleteLater();
        throw std::runtime_error("o servidor de versões não respondeu a tempo");
    }
    const auto status = reply->error();
    const QByteArray body = reply->readAll();
    const QString errorText = reply->errorString();
    reply->deleteLater();
    if (status != QNetworkReply::NoError)
        throw std::runtime_error(errorText.toStdString());
    return moduleVersionText(QString::fromLatin1(body), module);
}

bool hasNetworkConnection()
{
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& i : interfaces) {
        const auto flags = i.flags();
        if (flags.testFlag(QNetworkInterface::IsUp) && flags.testFlag(QNetworkInterface::IsRunning)
            && !flags.testFlag(QNetworkInterface::IsLoopBack) && !i.addressEntries().isEmpty())
            return true;
    }
    return false;
}

bool newVersionAvailable(const VersionCheck& check)
{
    if (check.host.trimmed().isEmpty() || !check.connected || !check.connected())
        return false;
    try {
        const QString text = verificar_versao(kModuleCode, versionFileUrl(check.host), check.timeoutMs);
        // Four characters, a number with either decimal separator; a truncated
        // or blank answer is no version at all.
        static const QRegularExpression kNumber(QStringLiteral("^\\s*\\d+([.,]\\d+)?\\s*$"));
        if (text.size() != 4 || !kNumber.match(text).hasMatch())
            return false;
        QString published = text.trimmed();
        published.replace(u',', u'.');
        // Compared as numbers: "1.04" and "1.040" are the same version.
        return base::Money::parse(published.toStdString()) != base::Money::parse(kProgramVersion.toStdString());
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace fin::ui
