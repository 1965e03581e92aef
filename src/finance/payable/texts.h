#pragma once

#include <QString>

namespace fin::finance {

// Object names of the controls the payable windows give the cursor to. A
// refused input (common::UserError) names one of these in field().
struct PayableFields {
    // "Cadastro de título a pagar" and the search panel of the query window.
    static inline const QString codEmp = QStringLiteral("edtCodEmp");
    static inline const QString codDoc = QStringLiteral("edtCodDoc");
    static inline const QString codParc = QStringLiteral("edtCodParc");
    static inline const QString codTipDoc = QStringLiteral("edtCodTipDoc");
    static inline const QString codFornecedor = QStringLiteral("edtCodFornecedor");
    static inline const QString codComprador = QStringLiteral("edtCodComprador");
    static inline const QString codConta = QStringLiteral("edtCodConta");
    static inline const QString datEmissao = QStringLiteral("dtpEmissao");
    static inline const QString datVencimento = QStringLiteral("dtpVencimento");
    static inline const QString vlrNotaFiscal = QStringLiteral("edtVlrNotaFiscal");
    static inline const QString vlrDesconto = QStringLiteral("edtVlrDesconto");
    static inline const QString vlrTitulo = QStringLiteral("edtVlrTitulo");
    static inline const QString vlrJuroDiario = QStringLiteral("edtVlrJuroDiario");
    static inline const QString perMulta = QStringLiteral("edtPerMulta");
    static inline const QString desObs = QStringLiteral("mmObs");

    // "Baixar título" page.
    static inline const QString vlrMulta = QStringLiteral("edtVlrMulta");
    static inline const QString vlrJuro = QStringLiteral("edtVlrJuro");
    static inline const QString vlrPago = QStringLiteral("edtVlrPago");
    static inline const QString dataPagto = QStringLiteral("edtDataPagto");
    static inline const QString codBanco = QStringLiteral("edtCodBanco");
    static inline const QString codAgencia = QStringLiteral("edtCodAgencia");
    static inline const QString codContaCorrente = QStringLiteral("edtCodContaCorrente");
    static inline const QString codHistorico = QStringLiteral("edtCodHistorico");
    static inline const QString complemento = QStringLiteral("mmComplemento");

    // "Alterar vencimento" and "Alterar valor" pages.
    static inline const QString novoVencimento = QStringLiteral("edtNovoVencimento");
    static inline const QString motivoVencimento = QStringLiteral("mmMotivoVencimento");
    static inline const QString novoValor = QStringLiteral("edtNovoValor");
    static inline const QString motivoValor = QStringLiteral("mmMotivoValor");
};

// Texts the payable windows show, character for character.
struct PayableTexts {
    // Entry.
    static inline const QString missingData = QStringLiteral("É necessario preencher todos os dados");
    static inline const QString duplicate =
        QStringLiteral("Título já cadastrado com estes dados!\nPortanto não será inserido novamente.");
    static inline const QString registered = QStringLiteral("Título cadastrado com sucesso ...");
    static inline const QString notaTooSmall = QStringLiteral("Valor da nota não pode ser menor ou igual a 0 ");
    static inline const QString descontoNegative = QStringLiteral("Valor de desconto não pode ser menor que 0 ");
    static inline const QString tituloTooSmall = QStringLiteral("Valor do título não pode ser menor ou igual a 0. ");
    static inline const QString juroNegative = QStringLiteral("Valor do juro não pode ser menor que 0 ");
    static inline const QString multaNegative = QStringLiteral("Valor da multa não pode ser menor que 0 ");
    static inline const QString emissionInFuture = QStringLiteral("Data de emissão não pode ser maior que hoje ...");

    // Query.
    static inline const QString searchFieldsEmpty =
        QStringLiteral("É necessario que todos os campos da pesquisa estejam preenchidos ...");
    static inline const QString invalidCode = QStringLiteral("Código inválido: ");   // followed by the code
    static inline const QString notFound = QStringLiteral("Título não encontrado !");

    // Settlement and adjustments.
    static inline const QString bankDataRequired = QStringLiteral("Código do banco, agência e conta são obrigatórios");
    static inline const QString paidBelowTitle = QStringLiteral("Valor a pagar não pode ser menor que o título");
    static inline const QString settled = QStringLiteral("Título baixado com sucesso");
    static inline const QString dueDateChanged = QStringLiteral("Data de vencimento alterada com sucesso");
    static inline const QString valueChanged = QStringLiteral("Valor do titulo alterado com sucesso");
    static inline const QString defaultComplement = QStringLiteral("PAGTO AO FORNECEDOR");
    static inline const QString dueDateReasonPrompt = QStringLiteral("DIGITE AQUI O MOTIVO DA ALTERAÇÃO.");

    // Checks of our own, where the screens had none.
    static inline const QString invalidAmount = QStringLiteral("Valor inválido: ");   // followed by the text
    static inline const QString invalidEmissionDate = QStringLiteral("Data de emissão inválida");
    static inline const QString invalidDueDate = QStringLiteral("Data de vencimento inválida");
    static inline const QString textTooLong = QStringLiteral("O texto pode ter no máximo 80 caracteres");
    static inline const QString unknownCompany = QStringLiteral("Empresa não cadastrada: ");
    static inline const QString unknownSupplier = QStringLiteral("Fornecedor não cadastrado: ");
    static inline const QString unknownDocType = QStringLiteral("Tipo de documento não cadastrado: ");
    static inline const QString unknownBuyer = QStringLiteral("Comprador não cadastrado: ");
    static inline const QString unknownAccount = QStringLiteral("Conta gerencial não cadastrada: ");
    static inline const QString entryBusy =
        QStringLiteral("Outra estação está gravando um título com estes dados. Nada foi gravado; tente novamente.");
    static inline const QString invalidPaymentDate = QStringLiteral("Data de pagamento inválida");
    static inline const QString historyRequired = QStringLiteral("Código do histórico financeiro é obrigatório");
    static inline const QString unknownDebitHistory = QStringLiteral("Histórico financeiro de débito não cadastrado: ");
    static inline const QString invalidBankCode = QStringLiteral("Código do banco inválido: ");
    static inline const QString unknownBankAccount =
        QStringLiteral("Conta corrente não cadastrada para este banco e agência");
    static inline const QString negativeValue = QStringLiteral("Valor do título não pode ser menor que 0");
    static inline const QString titleChanged = QStringLiteral(
        "Este título foi alterado ou baixado em outra estação depois da pesquisa. Nada foi gravado. Pesquise novamente.");
    static inline const QString noTitleSelected =
        QStringLiteral("Nenhum título selecionado. Pesquise e escolha o título na página Consulta.");
    static inline const QString titleBusy = QStringLiteral(
        "Este título está sendo alterado em outra estação. Nada foi gravado. Pesquise novamente.");
};

} // namespace fin::finance
