#include "ui/app/menu_table.h"

namespace fin::ui {

const std::vector<MenuEntry>& mainMenuTable()
{
    using K = CommandKind;
    const QString pagar = QStringLiteral("Contas a pagar");
    const QString relPagar = QStringLiteral("Rel. contas a pagar");
    const QString receber = QStringLiteral("Contas a rebecer");
    const QString relReceber = QStringLiteral("Rel. contas a receber");
    const QString gerencial = QStringLiteral("Rel. resultado gerencial");
    const QString caixa = QStringLiteral("Caixa");
    const QString banco = QStringLiteral("Banco");
    static const std::vector<MenuEntry> table = {
        {QStringLiteral("Arquivo"), {}, QStringLiteral("Sair"), QStringLiteral("Sair1Click"), K::Quit},

        {pagar, {}, QStringLiteral("Cadastro de título"), QStringLiteral("Cadastro1Click"), K::WindowStrict},
        {pagar, {}, QStringLiteral("Suspensão de Título"), QStringLiteral("Containativa1Click"), K::Message},
        {pagar, {}, QStringLiteral("Consulta, altera, baixa."), QStringLiteral("Consulta1Click"), K::WindowStrict},
        {pagar, {}, QStringLiteral("Cadastro de Cheque Emitido"), QStringLiteral("CadastrodeChequeEmitido1Click"), K::WindowStrict},
        {pagar, {}, QStringLiteral("Ficha Financeira Fornecedor"), QStringLiteral("FichaFinanceira1Click"), K::Window},

        {relPagar, {}, QStringLiteral("Titulos a pagar por vencimento"), QStringLiteral("titulosapagarporvencimento1Click"), K::Report},
        {relPagar, {}, QStringLiteral("Títulos pagos por data de movimento (Baixa)"), QStringLiteral("tulospagos1Click"), K::Report},
        {relPagar, {}, QStringLiteral("Títulos pagos por data de pagamento"), QStringLiteral("tulospagospordatadepagamento1Click"), K::Report},
        {relPagar, {}, QStringLiteral("Títulos a pagar por fornecedor"), QStringLiteral("titulosapagarporfornecedor1Click"), K::Report},
        {relPagar, QStringLiteral("Cheques"), QStringLiteral("Cheques em aberto"), QStringLiteral("ChequesemAberto1Click"), K::Report},
        {relPagar, QStringLiteral("Cheques"), QStringLiteral("Cheques pagos"), QStringLiteral("Chequespagos1"), K::Inert},

        {receber, {}, QStringLiteral("Cadastro de título"), QStringLiteral("Cadastro2Click"), K::WindowStrict},
        {receber, {}, QStringLiteral("Ficha Financeira Cliente"), QStringLiteral("fichafinClick"), K::Window},
        {receber, {}, QStringLiteral("Consulta, altera, abate e baixa"), QStringLiteral("Consulta2Click"), K::Window},
        {receber, {}, QStringLiteral("Recebe Título com  Cheque"), QStringLiteral("RecebeTtulocomCheque1Click"), K::Window},
        {receber, {}, QStringLiteral("Consultar Título Pelo Nosso Número"), QStringLiteral("ConsultarpeloNossoNmero1Click"), K::Window},
        {receber, {}, QStringLiteral("Baixa por grupo"), QStringLiteral("Baixaporgrupo1"), K::Inert},
        {receber, {}, QStringLiteral("Baixa retorno banco"), QStringLiteral("Baixaretornobanco1"), K::Hidden},
        {receber, {}, kSeparatorCaption, QStringLiteral("N1"), K::Separator},
        {receber, {}, QStringLiteral("Gerar arquivo de remessa (Cnab 400)"), QStringLiteral("Geraremessa1Click"), K::Window},
        {receber, {}, QStringLiteral("Processar retorno bancário (Cnab 400)"), QStringLiteral("Processarretornobanc1Click"), K::Window},
        {receber, {}, kSeparatorCaption, QStringLiteral("N2"), K::Separator},
        {receber, {}, QStringLiteral("Gerar arquivo de remessa (Cnab 240)"), QStringLiteral("GeraarquivoderemessaCnab2401Click"), K::Window},
        {receber, {}, QStringLiteral("Processar retorno bancário (Cnab 240)"), QStringLiteral("ProcessarretornobancrioCnab2401Click"), K::Window},
        {receber, {}, kSeparatorCaption, QStringLiteral("N3"), K::Separator},
        {receber, {}, QStringLiteral("Cadastro de Cheque Recebido"), QStringLiteral("CadastrodeChequeRecebido1Click"), K::WindowStrict},
        {receber, {}, QStringLiteral("Manutenção de cheques"), QStringLiteral("Manutenodecheques1Click"), K::Window},
        {receber, {}, QString(), QStringLiteral("N4"), K::Inert},

        {relReceber, {}, QStringLiteral("Títulos a receber por vencimento"), QStringLiteral("titulosareceberporvencimento1Click"), K::Report},
        {relReceber, {}, QStringLiteral("Títulos recebidos por data de movimentação"), QStringLiteral("tulosrecebidos1Click"), K::Report},
        {relReceber, {}, QStringLiteral("Títulos recebidos por data de pagamento"), QStringLiteral("tulosrecebidospordatadepagamento1Click"), K::Report},
        {relReceber, {}, QStringLiteral("Títulos a receber por cliente"), QStringLiteral("tulosareceberporcliente1Click"), K::Report},
        {relReceber, {}, QStringLiteral("Títulos a receber por vendedor"), QStringLiteral("tulosareceberporvendedor1Click"), K::Report},
        {relReceber, {}, QStringLiteral("Títulos a receber por tipo de documento e data de emissão"), QStringLiteral("tulosareceberportipodedocumento1Click"), K::Report},
        {relReceber, {}, QStringLiteral("Títulos a receber por tipo de documento e data vencimento"), QStringLiteral("tulosareceberportipodedocumento2Click"), K::Report},
        {relReceber, QStringLiteral("Movimentação de Cheques"), QStringLiteral("Cheques por situação"), QStringLiteral("Chequesemaberto2Click"), K::Report},

        {gerencial, {}, QStringLiteral("Resultado analítico"), QStringLiteral("Resultadoanaltico1Click"), K::Report},
        {gerencial, {}, QStringLiteral("Resultado sintético"), QStringLiteral("Resultadosinttico1"), K::Inert},

        {caixa, {}, QStringLiteral("Movimento"), QStringLiteral("Movimento1Click"), K::Window},
        {caixa, {}, QStringLiteral("Relatório"), QStringLiteral("Relatrio1Click"), K::Report},
        {caixa, {}, QStringLiteral("Fluxo"), QStringLiteral("Fluxo1"), K::Inert},
        {caixa, {}, QStringLiteral("Resumo Diário de Venda"), QStringLiteral("ResumoDiriodeVenda1Click"), K::Report},
        {caixa, {}, QStringLiteral("Emitir Recibo Avulso"), QStringLiteral("EmitirReciboAvulso1Click"), K::Window},

        {banco, {}, QStringLiteral("Movimento"), QStringLiteral("Movimento2Click"), K::Window},
        {banco, {}, QStringLiteral("Relatório"), QStringLiteral("Relatrio2Click"), K::Report},
        {banco, {}, QStringLiteral("Res.Saldo"), QStringLiteral("ResSaldo1"), K::Hidden},
    };
    return table;
}

} // namespace fin::ui
