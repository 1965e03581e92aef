#include "data/errors.h"
#include "data/statement.h"
#include "tempdb.h"

#include <gtest/gtest.h>

#include <QMap>

using namespace fin;
using namespace fin::data;
using fin::base::Money;

namespace {

// Column types as the data model gives them: I integer, N numeric(15,2),
// D date, TS timestamp, Vn varchar(n), Cn char(n).
const QMap<QString, QString> kExpected = {
    {"CONTA_PAGAR", "COD_EMP I, COD_DOC I, COD_PARC I, COD_FORNECEDOR I, COD_COMPRADOR I, DAT_CADASTRO D, DAT_EMISSAO D, "
                    "DAT_VENCIMENTO D, DAT_PGTO_TOTAL D, COD_PEDIDO I, VLR_NOTA_FICAL N, VLR_TITULO N, VLR_PGTO N, "
                    "DES_OBS V80, VLR_JURO_DIARIO N, COD_USUARIO I, VLR_DESCONTO N, PER_MULTA N, VLR_MULTA_PG N, "
                    "VLR_JURO_PG N, STA_SUSPENSO V1, COD_TIP_DOC I, COD_CONTA I, COD_BANCO_PAGTO I, COD_AG_PAGTO V10, "
                    "COD_CONTA_PAGTO V20"},
    {"HIST_CONTA_PAGAR", "COD_HISTORICO TS, COD_EMP I, COD_DOC I, COD_PARC I, COD_FORNECEDOR I, VLR_TITULO N, VLR_PGTO N, "
                         "COD_TIP_DOC I, COD_BANCO_PAGTO I, COD_AG_PAGTO V10, COD_CONTA_PAGTO V20, STA_INCLUIR V1, "
                         "STA_BAIXA V1, STA_ALT_VENC V1, STA_CANCELA V1, STA_BX_PARCIAL V1, STA_ABATIMENTO V1, DES_OBS_TITULO V80"},
    {"CONTA_RECEBER", "COD_EMP I, COD_DOC I, COD_PARC I, COD_CLIENTE I, COD_VENDEDOR I, DAT_CADASTRO D, DAT_VENCIMENTO D, "
                      "DAT_PGTO_TOTAL D, DATA_ULT_PAGTO D, DATA_ENVIO_REMESSA D, DATA_RETORNO D, COD_PEDIDO I, "
                      "COD_NOTA_FISCAL I, COD_CARGA I, VLR_FATURA N, VLR_TITULO N, VLR_RECEBIDO N, VLR_JURO_RECEBIDO N, "
                      "VLR_ABATIMENTO N, VLR_JURO_DIARIO N, VLR_MULTA N, PERC_MULTA N, DES_OBS V80, COD_NOSSO_NUMERO V20, "
                      "COD_COBRADOR I, TIP_PGTO V2, COD_USUARIO I, COD_BANCO I, COD_AGENCIA V11, COD_CONTA V20, "
                      "DIGITO_AGENCIA V1, STA_SUSPENSO V1, STA_CANCELADO V1, NUM_OPERACAO I"},
    {"HIST_CONTA_RECEBER", "COD_HISTORICO TS, COD_EMP I, COD_DOC I, COD_PARC I, COD_CLIENTE I, VLR_RECEBIDO N, DES_OBS V80, "
                           "COD_NOSSO_NUMERO V20, TIP_PGTO V2, COD_BANCO I, COD_AGENCIA I, COD_CONTA I, STA_SUSPENSO V1, "
                           "STA_INCLUIR V1, STA_BAIXA V1, STA_ALT_VENC V1, STA_CANCELA V1, STA_BX_PARCIAL V1, STA_ABATIMENTO V1"},
    {"MOVIMENTO_CAIXA", "COD_EMP I, COD_MOVIMENTO TS, COD_CAIXA I, COD_HISTORICO I, COD_USUARIO I, DES_COMPLEMENTO V50, "
                        "VLR_MOVIMENTO N, DATA_MOVIMENTO D, COD_CONTA I, LANC_INDIVIDUAL V1, CPF_CNPJ C18, NOME_RAZAO V80, "
                        "TEXTO_RECIBO V600"},
    {"MOVIMENTO_BANCO", "COD_EMP I, COD_MOVIMENTO TS, COD_BANCO I, COD_AGENCIA V10, COD_CONTA_CORRENTE V20, COD_HISTORICO I, "
                        "COD_USUARIO I, DES_COMPLEMENTO V50, VLR_MOVIMENTO N, DATA_MOVIMENTO D, COD_CONTA I, LANC_INDIVIDUAL V1"},
    {"SALDO_CAIXA", "DAT_MOVIMENTO D, VLR_SALDO_INICIAL N"},
    {"SALDO_BANCO", "DAT_MOVIMENTO D, VLR_SALDO_INICIAL N"},
    {"RECIBO", "COD_EMP I, COD_MOVIMENTO TS, COD_CAIXA I, COD_HISTORICO I, COD_USUARIO I, DES_COMPLEMENTO V50, VLR_MOVIMENTO N, "
               "DATA_MOVIMENTO D, COD_CONTA I, LANC_INDIVIDUAL V1, CPF_CNPJ V18, NOME_RAZAO V80, TEXTO_RECIBO V600, COD_RECIBO I"},
    {"CONTA_CHEQUE_PG", "COD_EMP I, COD_BANCO I, COD_AGENCIA I, COD_CONTA I, COD_FORNECEDOR I, NUMERO_CHEQUE I, DAT_CADASTRO D, "
                        "DATA_EMISSAO D, DAT_VENCIMENTO D, DAT_PGTO D, VLR_CHEQUE N, DAT_PRIMEIRA_DEV D, DAT_SEGUNDA_DEV D, "
                        "MOT_PRIMEIRA_DEV V40, MOT_SEGUNDA_DEV V40, COD_USUARIO I, OBSERVACAO V80, COD_COMPRADOR I, STATUS V20"},
    {"CONTA_CHEQUE_RC", "COD_EMP I, COD_BANCO I, COD_AGENCIA I, COD_CONTA I, COD_CLIENTE I, COD_VENDEDOR I, NUMERO_CHEQUE I, "
                        "NOM_EMITENTE V40, CPF_CNPJ_EMITENTE C18, DAT_CADASTRO D, DATA_EMISSAO D, DAT_VENCIMENTO D, DAT_BAIXA D, "
                        "VLR_CHEQUE N, VLR_ORIGINAL N, DAT_PRIMEIRA_DEV D, DAT_SEGUNDA_DEV D, MOT_PRIMEIRA_DEV V40, "
                        "MOT_SEGUNDA_DEV V40, COD_BANCO_CALCAO I, COD_AGENCIA_CALCAO I, COD_CONTA_CALCAO I, DAT_CALCAO D, "
                        "COD_PRACA I, COD_USUARIO I, OBSERVACAO V80, STATUS V20, NUM_OPERACAO I"},
    {"MOTIVOS_DEV_CHEQUE", "CODIGO I, DESCRICAO V50"},
    {"CONTROLE_NUM", "COD_EMP I, DES_CODIGO V50, VLR_CODIGO I"},
    {"CONTA_CORRENTE", "COD_EMP I, COD_BANCO I, COD_AGENCIA V11, COD_CONTA_CORRENTE V20, DIGITO_AGENCIA V1, "
                       "DIGITO_CONTA_CORRENTE V1, COD_NOSSO_NUM V20, STA_ATIVO V1, COD_TIP_DOC I, VLR_LIMITE N, VLR_CAUCAO N, "
                       "VLR_CAUCIONADO N, COD_CEDENTE V10, DIGITO_CEDENTE V1, COD_REMESSA I, CARTEIRA V4, CONVENIO V20, "
                       "COD_INSTRUCAO_PROTESTO I, NUM_DIAS_PROTESTO I"},
    {"HISTORICO_FIN", "COD_HISTORICO I, DES_HISTORICO V20, TIP_DEBITO V1, TIP_BANCO V1, COD_CENTRO_CUSTO I"},
    {"TIP_DOCUMENTO", "COD_EMP I, COD_TIP_DOC I, DES_TIP_DOC V20, STA_EMITE_BOLETO V1"},
    {"BANCO", "COD_BANCO I, NOM_BANCO V20"},
    {"AGENCIA", "COD_BANCO I, COD_AGENCIA V11, DIGITO_AGENCIA V1, NOM_GERENTE V40, DES_FONE V13, DES_FAX V13, "
                "DES_FONE_GERENTE V13, STA_ATIVO V1"},
    {"CONTA", "COD_CONTA I, DES_CONTA V40, COD_GRUPO I, TIPO V1, INVESTIMENTO V1"},
    {"GRUPO_CONTA", "COD_GRUPO I, DES_GRUPO V40"},
    {"EMPRESA", "COD_EMP I, NOM_RAZAO_SOCIAL V40, NOM_FANTASIA V40, DES_ENDERECO V40, COD_SETOR I, COD_CIDADE I, DES_CEP V10, "
                "DES_UF V2, COD_CNPJ C18, COD_INSC_ESTADUAL V14, DES_FONE C13, DES_FAX C13, CAMINHO_LOGO V80"},
    {"CLIENTE", "COD_EMP I, COD_CLIENTE I, COD_CNPJ_CIC V18, DES_RG V14, NOM_RAZAO_SOCIAL V40, DES_ENDERECO V40, COD_SETOR I, "
                "COD_CIDADE I, DES_CEP V10, DES_UF V2, DES_FONE V13, NOM_CONTATO V20, COD_TIPO_CLIENTE I, COD_VENDEDOR I, "
                "DAT_CADASTRO D, VLR_LIMITE_CREDITO N, DES_E_MAIL V80, TIP_PESSOA V1, DES_OBS C80, COD_TIP_DOC I, PERC_DESC_FINAN N"},
    {"FORNECEDOR", "COD_EMP I, COD_FORNECEDOR I, COD_CNPJ_CIC C18, NOM_RAZAO_SOCIAL V40, COD_SETOR I, COD_CIDADE I, "
                   "COD_COMPRADOR I, PRZ_ENTREGA I, TIP_STA V1, TIP_PESSOA V1, DES_SITE V100, DES_EML V100"},
    {"COMPRADOR", "COD_EMP I, COD_COMPRADOR I, DES_NOM V40, TIP_STA V1, DES_FONE V13, DES_CELULAR V13"},
    {"VENDEDOR", "COD_EMP I, COD_VENDEDOR I, COD_SUPERVISOR I, COD_GERENTE I, COD_TABELA_VENDA I, COD_GRUPO_COMISSAO I, "
                 "COD_CORCEG I, DAT_CONTRATACAO D, DAT_DESLIGAMENTO D, DAT_ANIVERSARIO D, TIP_STA V1, NOM_VENDEDOR V40, "
                 "DES_FONE V13, DES_CELULAR V13"},
    {"CIDADE", "COD_CIDADE I, DES_NOME V40, COD_UF V2"},
    {"BAIRRO", "COD_BAIRRO I, DES_BAIRRO V40"},
    {"NOTA_CAB", "COD_EMP I, COD_CLIENTE I, COD_NOTA_FISCAL I, COD_SERIE V2, COD_TIP_DOC I, COD_COND_PGTO I, DAT_EMISSAO D, "
                 "VLR_TOT_NOTA N, STA_DEV_CANCEL V1"},
    {"COND_PGTO", "COD_COND_PGTO I, DES_COND_PGTO V40"},
    {"VIRTUAL", "CODIGO I"},
};

QString typeCode(const Row& r)
{
    const int type = r[QStringLiteral("T")].toInt();
    const int scale = r[QStringLiteral("SC")].toInt();
    const int len = r[QStringLiteral("LEN")].toInt();
    switch (type) {
    case 8: return QStringLiteral("I");
    case 16: return scale == -2 && r[QStringLiteral("PREC")].toInt() == 15 ? QStringLiteral("N") : QStringLiteral("?");
    case 12: return QStringLiteral("D");
    case 35: return QStringLiteral("TS");
    case 37: return QStringLiteral("V%1").arg(len);
    case 14: return QStringLiteral("C%1").arg(len);
    default: return QStringLiteral("?%1").arg(type);
    }
}

struct SchemaTest : ::testing::Test {
    test::TempDb tmp;
    Database& db = tmp.db();

    Value scalar(const QString& sql)
    {
        Transaction tx(db);
        return Statement(tx, sql).queryOne()->at(0);
    }
    void exec(const QString& sql)
    {
        db.inTransaction([&](Transaction& tx) { Statement(tx, sql).execute(); });
    }
};

} // namespace

TEST_F(SchemaTest, EveryTableAndColumnHasItsType)
{
    Transaction tx(db);
    Statement q(tx, QStringLiteral(
        "SELECT TRIM(RF.RDB$FIELD_NAME) AS NAME, F.RDB$FIELD_TYPE AS T, F.RDB$FIELD_SCALE AS SC, "
        "F.RDB$FIELD_PRECISION AS PREC, F.RDB$CHARACTER_LENGTH AS LEN "
        "FROM RDB$RELATION_FIELDS RF JOIN RDB$FIELDS F ON F.RDB$FIELD_NAME = RF.RDB$FIELD_SOURCE "
        "WHERE RF.RDB$RELATION_NAME = :TABELA"));
    for (auto it = kExpected.begin(); it != kExpected.end(); ++it) {
        QMap<QString, QString> actual;
        for (const Row& r : q.set(QStringLiteral("TABELA"), it.key()).query())
            actual.insert(r[QStringLiteral("NAME")].toString(), typeCode(r));
        ASSERT_FALSE(actual.isEmpty()) << "tabela ausente: " << it.key().toStdString();
        for (const QString& col : it.value().split(QStringLiteral(", "))) {
            const QStringList parts = col.split(u' ');
            EXPECT_EQ(actual.value(parts[0], QStringLiteral("(ausente)")), parts[1])
                << it.key().toStdString() << "." << parts[0].toStdString();
        }
    }
    EXPECT_EQ(scalar(QStringLiteral("SELECT TRIM(RDB$CHARACTER_SET_NAME) FROM RDB$DATABASE")).toString(), QStringLiteral("WIN1252"));
}

TEST_F(SchemaTest, KeysDefaultsAndReferenceRows)
{
    exec(QStringLiteral("INSERT INTO CONTA_RECEBER (COD_EMP, COD_DOC, COD_PARC, COD_CLIENTE, TIP_PGTO) VALUES (1, 1, 1, 1, '1')"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT STA_CANCELADO FROM CONTA_RECEBER")).toString(), QStringLiteral("N"));
    EXPECT_THROW(exec(QStringLiteral("INSERT INTO CONTA_RECEBER (COD_EMP, COD_DOC, COD_PARC, COD_CLIENTE, TIP_PGTO) "
                                     "VALUES (1, 1, 1, 1, '2')")), UniqueViolationError);
    EXPECT_THROW(exec(QStringLiteral("INSERT INTO CONTA_RECEBER (COD_EMP, COD_DOC, COD_PARC, COD_CLIENTE) VALUES (1, 2, 1, 1)")),
                 DbError);   // TIP_PGTO is required
    exec(QStringLiteral("INSERT INTO CONTA_PAGAR (COD_EMP, COD_DOC, COD_PARC, COD_FORNECEDOR, COD_TIP_DOC) VALUES (1, 1, 1, 1, 1)"));
    exec(QStringLiteral("INSERT INTO CONTA_PAGAR (COD_EMP, COD_DOC, COD_PARC, COD_FORNECEDOR, COD_TIP_DOC) VALUES (1, 1, 1, 1, 2)"));
    EXPECT_THROW(exec(QStringLiteral("INSERT INTO CONTA_PAGAR (COD_EMP, COD_DOC, COD_PARC, COD_FORNECEDOR, COD_TIP_DOC) "
                                     "VALUES (1, 1, 1, 1, 2)")), UniqueViolationError);

    EXPECT_EQ(scalar(QStringLiteral("SELECT VLR_CODIGO FROM CONTROLE_NUM WHERE COD_EMP = 1 AND DES_CODIGO = 'NUM_OPERACAO'")).toInt(), 0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT TIP_DEBITO FROM HISTORICO_FIN WHERE COD_HISTORICO = 1")).toString(), QStringLiteral("S"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT TIP_DEBITO FROM HISTORICO_FIN WHERE COD_HISTORICO = 3")).toString(), QStringLiteral("N"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM BANCO WHERE COD_BANCO IN (1, 33, 104, 237, 341, 756)")).toInt(), 6);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM TIP_DOCUMENTO WHERE COD_TIP_DOC = 1")).toInt(), 1);
    EXPECT_GT(scalar(QStringLiteral("SELECT COUNT(*) FROM MOTIVOS_DEV_CHEQUE")).toInt(), 5);
}

TEST_F(SchemaTest, TitleAndCounterProcedures)
{
    exec(QStringLiteral("INSERT INTO CONTA_PAGAR (COD_EMP, COD_DOC, COD_PARC, COD_FORNECEDOR, COD_TIP_DOC) VALUES (1, 10, 2, 7, 3)"));
    auto exists = [&](int tipDoc) {
        Transaction tx(db);
        Statement p(tx, QStringLiteral("EXECUTE PROCEDURE PRC_RET_TITPG_CAD(:COD_EMP, :COD_DOC, :COD_PARC, :COD_FORNECEDOR, :COD_TIP_DOC)"));
        p.set(QStringLiteral("COD_EMP"), 1).set(QStringLiteral("COD_DOC"), 10).set(QStringLiteral("COD_PARC"), 2)
            .set(QStringLiteral("COD_FORNECEDOR"), 7).set(QStringLiteral("COD_TIP_DOC"), tipDoc);
        return p.queryOne()->operator[](QStringLiteral("COD_FORN")).toInt();
    };
    EXPECT_GT(exists(3), 0);
    EXPECT_EQ(exists(4), 0);   // another document type is another title

    auto geraNum = [&](int emp, const QString& oper) {
        db.inTransaction([&](Transaction& tx) {
            Statement(tx, QStringLiteral("EXECUTE PROCEDURE PRC_GERA_NUM(:COD_EMP, :DESC_OPER)"))
                .set(QStringLiteral("COD_EMP"), emp).set(QStringLiteral("DESC_OPER"), oper).execute();
        });
    };
    geraNum(1, QStringLiteral("NUM_OPERACAO"));
    geraNum(1, QStringLiteral("NUM_OPERACAO"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT VLR_CODIGO FROM CONTROLE_NUM WHERE DES_CODIGO = 'NUM_OPERACAO'")).toInt(), 2);
    geraNum(2, QStringLiteral("OUTRO"));   // a missing counter row is created
    EXPECT_EQ(scalar(QStringLiteral("SELECT VLR_CODIGO FROM CONTROLE_NUM WHERE COD_EMP = 2 AND DES_CODIGO = 'OUTRO'")).toInt(), 1);

    exec(QStringLiteral("INSERT INTO CONTA_CORRENTE (COD_EMP, COD_BANCO, COD_AGENCIA, COD_CONTA_CORRENTE, COD_TIP_DOC, COD_NOSSO_NUM) "
                        "VALUES (1, 237, '0512', '98765', 1, '00123')"));
    db.inTransaction([&](Transaction& tx) {
        Statement(tx, QStringLiteral("EXECUTE PROCEDURE PRC_COMPLETA_NOSSO_NUMERO(:COD_EMP)")).set(QStringLiteral("COD_EMP"), 1).execute();
        Statement(tx, QStringLiteral("EXECUTE PROCEDURE PRC_GERA_NOSSO_NUM(:E, :B, :A, :C, :N)"))
            .set(QStringLiteral("E"), 1).set(QStringLiteral("B"), 237).set(QStringLiteral("A"), QStringLiteral("0512"))
            .set(QStringLiteral("C"), QStringLiteral("98765")).set(QStringLiteral("N"), QStringLiteral("124"))
            .execute();
    });
    EXPECT_EQ(scalar(QStringLiteral("SELECT COD_NOSSO_NUM FROM CONTA_CORRENTE")).toString(), QStringLiteral("124"));
}

TEST_F(SchemaTest, OpeningBalanceCarriesEarlierDaysForward)
{
    exec(QStringLiteral("INSERT INTO HISTORICO_FIN (COD_HISTORICO, TIP_DEBITO) VALUES (20, 'N')"));
    exec(QStringLiteral("INSERT INTO HISTORICO_FIN (COD_HISTORICO, TIP_DEBITO) VALUES (21, 'S')"));
    for (const QString table : {QStringLiteral("CAIXA"), QStringLiteral("BANCO")}) {
        SCOPED_TRACE(table.toStdString());
        const base::Date today = scalar(QStringLiteral("SELECT CURRENT_DATE FROM RDB$DATABASE")).toDate();
        int key = 0;
        auto move = [&](int daysAgo, int hist, const char* amount) {
            const base::Date day = today.addDays(-daysAgo);
            db.inTransaction([&](Transaction& tx) {
                Statement(tx, QStringLiteral("INSERT INTO MOVIMENTO_%1 (COD_MOVIMENTO, COD_HISTORICO, VLR_MOVIMENTO, DATA_MOVIMENTO) "
                                             "VALUES (:K, :H, :V, :D)").arg(table))
                    .set(QStringLiteral("K"), base::DateTime{day, {0, 0, ++key, 0}})
                    .set(QStringLiteral("H"), hist).set(QStringLiteral("V"), *Money::parse(amount)).set(QStringLiteral("D"), day)
                    .execute();
            });
        };
        auto opening = [&] {
            db.inTransaction([&](Transaction& tx) {
                Statement(tx, QStringLiteral("EXECUTE PROCEDURE PRC_ATU_SALDO_%1(1)").arg(table)).execute();
            });
            return scalar(QStringLiteral("SELECT VLR_SALDO_INICIAL FROM SALDO_%1 WHERE DAT_MOVIMENTO = CURRENT_DATE").arg(table)).toMoney();
        };
        EXPECT_EQ(opening(), Money());   // no row and no movement: 0
        move(5, 20, "1000.00");
        move(3, 20, "100.00");
        move(3, 21, "30.00");
        move(1, 21, "0.01");
        move(0, 20, "999.00");   // today's movements are not in today's opening
        EXPECT_EQ(opening(), *Money::parse("1069.99"));   // no earlier row: everything before today from 0
        exec(QStringLiteral("INSERT INTO SALDO_%1 (DAT_MOVIMENTO, VLR_SALDO_INICIAL) VALUES (CURRENT_DATE - 3, 50)").arg(table));
        EXPECT_EQ(opening(), *Money::parse("119.99"));   // 50 + 100 - 30 - 0.01
        move(2, 20, "10.00");   // typed late for an earlier day: counted at the next call
        EXPECT_EQ(opening(), *Money::parse("129.99"));
    }
}
