#include "cli/commands.h"

#include "cnab/retorno/retorno.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <string>
#include <type_traits>

namespace fin::cli {

namespace {

void appendJsonString(std::string& out, std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (u < 0x20) {
                out += "\\u00";
                out += kHex[u >> 4];
                out += kHex[u & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

// One row as a JSON object, keys in the return table's column order (which
// is why it is written by hand: Qt's JSON objects sort their keys).
void appendRow(std::string& out, const cnab::ReturnRow& row)
{
    out += '{';
    bool first = true;
    cnab::forEachColumn(row, [&](const cnab::ReturnColumn& column, const auto& value) {
        if (!first)
            out += ',';
        first = false;
        appendJsonString(out, column.name);
        out += ':';
        if (!value) {
            out += "null";
            return;
        }
        using T = std::decay_t<decltype(*value)>;
        if constexpr (std::is_same_v<T, int>)
            out += std::to_string(*value);
        else if constexpr (std::is_same_v<T, std::string>)
            appendJsonString(out, *value);
        else if constexpr (std::is_same_v<T, base::Money>)
            appendJsonString(out, value->toString(2));
        else
            appendJsonString(out, value->toIso());
    });
    out += "}\n";
}

int usage()
{
    std::fputs("Uso: financeiro-cli retorno --banco N --layout 400|240 ARQUIVO\n", stderr);
    return 2;
}

void printError(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

} // namespace

// Exit codes: 0 read, 1 file that cannot be opened or read, 2 usage,
// 3 bank without a reader for the layout.
int retorno(const QStringList& args)
{
    QString banco, layout, arquivo;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == "--banco" && i + 1 < args.size())
            banco = args[++i];
        else if (args[i] == "--layout" && i + 1 < args.size())
            layout = args[++i];
        else if (!args[i].startsWith("--") && arquivo.isEmpty())
            arquivo = args[i];
        else
            return usage();
    }
    bool bancoOk = false;
    const int bankCode = banco.toInt(&bancoOk);
    if (!bancoOk || (layout != "400" && layout != "240") || arquivo.isEmpty())
        return usage();

    const auto choice = cnab::chooseReturnReader(
        bankCode, layout == "240" ? cnab::ReturnLayout::Cnab240 : cnab::ReturnLayout::Cnab400);
    if (!choice.reader) {
        if (!choice.message.empty())
            printError(QString::fromUtf8(choice.message.data(), static_cast<qsizetype>(choice.message.size())));
        else
            printError(QStringLiteral("Nenhum leitor de retorno para o banco %1 no layout %2").arg(banco, layout));
        return 3;
    }

    QFile file(arquivo);
    if (!file.open(QIODevice::ReadOnly)) {
        printError(QStringLiteral("Não foi possível abrir o arquivo %1: %2").arg(arquivo, file.errorString()));
        return 1;
    }
    // A mapped file costs no copy; a pipe or special file is read instead.
    QByteArray contents;
    std::string_view bytes;
    if (file.size() > 0) {
        if (const uchar* mapped = file.map(0, file.size()))
            bytes = {reinterpret_cast<const char*>(mapped), static_cast<std::size_t>(file.size())};
    }
    if (bytes.empty()) {
        contents = file.readAll();
        bytes = {contents.constData(), static_cast<std::size_t>(contents.size())};
    }
    const std::string path = QDir::toNativeSeparators(QFileInfo(arquivo.trimmed()).absoluteFilePath()).toStdString();

    try {
        // Check the whole file first, so that a file that fails prints no rows.
        choice.read(bytes, path, [](cnab::ReturnRow&&) {});
        std::string out;
        choice.read(bytes, path, [&out](cnab::ReturnRow&& row) {
            appendRow(out, row);
            if (out.size() >= 1 << 16) {
                std::fwrite(out.data(), 1, out.size(), stdout);
                out.clear();
            }
        });
        std::fwrite(out.data(), 1, out.size(), stdout);
    } catch (const cnab::FieldError& e) {
        printError(QStringLiteral("Arquivo %1: %2").arg(arquivo, QString::fromUtf8(e.what())));
        return 1;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace fin::cli
