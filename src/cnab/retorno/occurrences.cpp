#include "cnab/retorno/retorno.h"

#include <algorithm>
#include <span>

namespace fin::cnab {

namespace {

struct Occurrence {
    int code;
    std::string_view text;
};

// Bradesco (237), CNAB 400.
constexpr Occurrence kBradesco[] = {
    {2, "ENTRADA CONFIRMADA"},
    {3, "ENTRADA REJEITADA"},
    {6, "LIQUIDAÇÃO NORMAL"},
    {9, "BAIXADO AUTOMATICAMENTE"},
    {10, "BAIXADO CONFORME INST. DA AGENCIA"},
    {11, "EM SER"},
    {12, "Abatimento Concedido"},
    {13, "Abatimento Cancelado"},
    {14, "Vencimento Alterado"},
    {15, "Liquidação em Cartório"},
    {16, "Título Pago em Cheque"},
    {17, "Liquidação após baixa ou Título não registrado"},
    {19, "Confirmação Receb. Inst. de Protesto"},
    {20, "Confirmação Recebimento Instrução Sustação de Protesto"},
    {23, "Entrada do Título em Cartório"},
    {24, "Entrada rejeitada por CEP Irregular"},
    {27, "Baixa Rejeitada"},
    {28, "Débito de tarifas/custas"},
    {32, "Instrução Rejeitada"},
    {40, "Estorno de pagamento"},
};

// Itaú (341), CNAB 400. The dash in several texts is an en dash.
constexpr Occurrence kItau[] = {
    {2, "ENTRADA CONFIRMADA"},
    {3, "ENTRADA REJEITADA"},
    {4, "ALTERAÇÃO DE DADOS – NOVA ENTRADA OU ALTERAÇÃO/EXCLUSÃO DE DADOS ACATADA"},
    {5, "ALTERAÇÃO DE DADOS – BAIXA"},
    {6, "LIQUIDAÇÃO NORMAL"},
    {7, "LIQUIDAÇÃO PARCIAL – COBRANÇA INTELIGENTE (B2B)"},
    {8, "LIQUIDAÇÃO EM CARTÓRIO"},
    {9, "BAIXA SIMPLES"},
    {10, "BAIXA POR TER SIDO LIQUIDADO"},
    {11, "EM SER (SÓ NO RETORNO MENSAL)"},
    {12, "ABATIMENTO CONCEDIDO"},
    {13, "ABATIMENTO CANCELADO"},
    {14, "VENCIMENTO ALTERADO"},
    {15, "BAIXAS REJEITADAS (NOTA 20 – TABELA 4)"},
    {16, "INSTRUÇÕES REJEITADAS (NOTA 20 – TABELA 3)"},
    {17, "ALTERAÇÃO/EXCLUSÃO DE DADOS REJEITADOS (NOTA 20 – TABELA 2)"},
    {18, "COBRANÇA CONTRATUAL – INSTRUÇÕES/ALTERAÇÕES REJEITADAS/PENDENTES (NOTA 20 – TABELA 5)"},
    {19, "CONFIRMA RECEBIMENTO DE INSTRUÇÃO DE PROTESTO"},
    {20, "CONFIRMA RECEBIMENTO DE INSTRUÇÃO DE SUSTAÇÃO DE PROTESTO /TARIFA"},
    {21, "CONFIRMA RECEBIMENTO DE INSTRUÇÃO DE NÃO PROTESTAR"},
    {23, "TÍTULO ENVIADO A CARTÓRIO/TARIFA"},
    {24, "INSTRUÇÃO DE PROTESTO REJEITADA / SUSTADA / PENDENTE (NOTA 20 – TABELA 7)"},
    {25, "ALEGAÇÕES DO PAGADOR (NOTA 20 – TABELA 6)"},
    {26, "TARIFA DE AVISO DE COBRANÇA"},
    {27, "TARIFA DE EXTRATO POSIÇÃO (B40X)"},
    {28, "TARIFA DE RELAÇÃO DAS LIQUIDAÇÕES"},
    {29, "TARIFA DE MANUTENÇÃO DE TÍTULOS VENCIDOS"},
    {30, "DÉBITO MENSAL DE TARIFAS (PARA ENTRADAS E BAIXAS)"},
    {32, "BAIXA POR TER SIDO PROTESTADO"},
    {33, "CUSTAS DE PROTESTO"},
    {34, "CUSTAS DE SUSTAÇÃO"},
    {35, "CUSTAS DE CARTÓRIO DISTRIBUIDOR"},
    {36, "CUSTAS DE EDITAL"},
    {37, "TARIFA DE EMISSÃO DE BOLETO/TARIFA DE ENVIO DE DUPLICATA"},
    {38, "TARIFA DE INSTRUÇÃO"},
    {39, "TARIFA DE OCORRÊNCIAS"},
    {40, "TARIFA MENSAL DE EMISSÃO DE BOLETO/TARIFA MENSAL DE ENVIO DE DUPLICATA"},
    {41, "DÉBITO MENSAL DE TARIFAS – EXTRATO DE POSIÇÃO (B4EP/B4OX)"},
    {42, "DÉBITO MENSAL DE TARIFAS – OUTRAS INSTRUÇÕES"},
    {43, "DÉBITO MENSAL DE TARIFAS – MANUTENÇÃO DE TÍTULOS VENCIDOS"},
    {44, "DÉBITO MENSAL DE TARIFAS – OUTRAS OCORRÊNCIAS"},
    {45, "DÉBITO MENSAL DE TARIFAS – PROTESTO"},
    {46, "DÉBITO MENSAL DE TARIFAS – SUSTAÇÃO DE PROTESTO"},
    {47, "BAIXA COM TRANSFERÊNCIA PARA DESCONTO"},
    {48, "CUSTAS DE SUSTAÇÃO JUDICIAL"},
    {51, "TARIFA MENSAL REF A ENTRADAS BANCOS CORRESPONDENTES NA CARTEIRA"},
    {52, "TARIFA MENSAL BAIXAS NA CARTEIRA"},
    {53, "TARIFA MENSAL BAIXAS EM BANCOS CORRESPONDENTES NA CARTEIRA"},
    {54, "TARIFA MENSAL DE LIQUIDAÇÕES NA CARTEIRA"},
    {55, "TARIFA MENSAL DE LIQUIDAÇÕES EM BANCOS CORRESPONDENTES NA CARTEIRA"},
    {56, "CUSTAS DE IRREGULARIDADE"},
    {57, "INSTRUÇÃO CANCELADA (NOTA 20 – TABELA 8)"},
    {59, "BAIXA POR CRÉDITO EM C/C ATRAVÉS DO SISPAG"},
    {60, "ENTRADA REJEITADA CARNÊ (NOTA 20 – TABELA 1)"},
    {61, "TARIFA EMISSÃO AVISO DE MOVIMENTAÇÃO DE TÍTULOS (2154)"},
    {62, "DÉBITO MENSAL DE TARIFA – AVISO DE MOVIMENTAÇÃO DE TÍTULOS (2154)"},
    {63, "TÍTULO SUSTADO JUDICIALMENTE"},
    {64, "ENTRADA CONFIRMADA COM RATEIO DE CRÉDITO"},
    {65, "PAGAMENTO COM CHEQUE – AGUARDANDO COMPENSAÇÃO"},
    {69, "CHEQUE DEVOLVIDO (NOTA 20 – TABELA 9)"},
    {71, "ENTRADA REGISTRADA, AGUARDANDO AVALIAÇÃO"},
    {72, "BAIXA POR CRÉDITO EM C/C ATRAVÉS DO SISPAG SEM TÍTULO CORRESPONDENTE"},
    {73, "CONFIRMAÇÃO DE ENTRADA NA COBRANÇA SIMPLES – ENTRADA NÃO ACEITA NA COBRANÇA CONTRATUAL"},
    {74, "INSTRUÇÃO DE NEGATIVAÇÃO EXPRESSA REJEITADA (NOTA 20 – TABELA 11)"},
    {75, "CONFIRMAÇÃO DE RECEBIMENTO DE INSTRUÇÃO DE ENTRADA EM NEGATIVAÇÃO EXPRESSA"},
    {76, "CHEQUE COMPENSADO"},
    {77, "CONFIRMAÇÃO DE RECEBIMENTO DE INSTRUÇÃO DE EXCLUSÃO DE ENTRADA EM NEGATIVAÇÃO EXPRESSA"},
    {78, "CONFIRMAÇÃO DE RECEBIMENTO DE INSTRUÇÃO DE CANCELAMENTO DE NEGATIVAÇÃO EXPRESSA"},
    {79, "NEGATIVAÇÃO EXPRESSA INFORMACIONAL (NOTA 20 – TABELA 12)"},
    {80, "CONFIRMAÇÃO DE ENTRADA EM NEGATIVAÇÃO EXPRESSA – TARIFA"},
    {82, "CONFIRMAÇÃO DO CANCELAMENTO DE NEGATIVAÇÃO EXPRESSA – TARIFA"},
    {83, "CONFIRMAÇÃO DE EXCLUSÃO DE ENTRADA EM NEGATIVAÇÃO EXPRESSA POR LIQUIDAÇÃO – TARIFA"},
    {85, "TARIFA POR BOLETO (ATÉ 03 ENVIOS) COBRANÇA ATIVA ELETRÔNICA"},
    {86, "TARIFA EMAIL COBRANÇA ATIVA ELETRÔNICA"},
    {87, "TARIFA SMS COBRANÇA ATIVA ELETRÔNICA"},
    {88, "TARIFA MENSAL POR BOLETO (ATÉ 03 ENVIOS) COBRANÇA ATIVA ELETRÔNICA"},
    {89, "TARIFA MENSAL EMAIL COBRANÇA ATIVA ELETRÔNICA"},
    {90, "TARIFA MENSAL SMS COBRANÇA ATIVA ELETRÔNICA"},
    {91, "TARIFA MENSAL DE EXCLUSÃO DE ENTRADA DE NEGATIVAÇÃO EXPRESSA"},
    {92, "TARIFA MENSAL DE CANCELAMENTO DE NEGATIVAÇÃO EXPRESSA"},
    {93, "TARIFA MENSAL DE EXCLUSÃO DE NEGATIVAÇÃO EXPRESSA POR LIQUIDAÇÃO"},
};

// Banco do Brasil (001), CNAB 400. Code 72 keeps its trailing blank.
constexpr Occurrence kBancoDoBrasil[] = {
    {2, "Confirmação de Entrada de Título"},
    {3, "Comando recusado (Motivo indicado na posição 087/088)"},
    {5, "Liquidado sem registro (carteira 17-tipo4)"},
    {6, "Liquidação Normal"},
    {7, "Liquidação por Conta/Parcial"},
    {8, "Liquidação por Saldo"},
    {9, "Baixa de Titulo"},
    {10, "Baixa Solicitada"},
    {11, "Títulos em Ser"},
    {12, "Abatimento Concedido"},
    {13, "Abatimento Cancelado"},
    {14, "Alteração de Vencimento do título"},
    {15, "Liquidação em Cartório"},
    {16, "Confirmação de alteração de juros de mora"},
    {19, "Confirmação de recebimento de instruções para protesto"},
    {20, "Débito em Conta"},
    {21, "Alteração do Nome do Sacado"},
    {22, "Alteração do Endereço do Sacado"},
    {23, "Indicação de encaminhamento a cartório"},
    {24, "Sustar Protesto"},
    {25, "Dispensar Juros de mora"},
    {26, "Alteração do número do título dado pelo Cedente"},
    {28, "Manutenção de titulo vencido"},
    {31, "Conceder desconto"},
    {32, "Não conceder desconto"},
    {33, "Retificar desconto"},
    {34, "Alterar data para desconto"},
    {35, "Cobrar Multa"},
    {36, "Dispensar Multa"},
    {37, "Dispensar Indexador"},
    {38, "Dispensar prazo limite para recebimento"},
    {39, "Alterar prazo limite para recebimento"},
    {41, "Alteração do número do controle do participante"},
    {42, "Alteração do número do documento do sacado (CNPJ/CPF)"},
    {44, "Título pago com cheque devolvido"},
    {46, "Título pago com cheque, aguardando compensação"},
    {72, "Alteração de tipo de cobrança "},
    {96, "Despesas de Protesto"},
    {97, "Despesas de Sustação de Protesto"},
    {98, "Débito de Custas Antecipadas"},
};

// Santander (033), CNAB 400.
constexpr Occurrence kSantander[] = {
    {1, "TÍTULO NÃO EXISTE"},
    {2, "ENTRADA CONFIRMADA"},
    {3, "ENTRADA REJEITADA"},
    {6, "LIQUIDAÇÃO NORMAL"},
    {7, "LIQUIDAÇÃO POR CONTA"},
    {8, "LIQUIDAÇÃO POR SALDO"},
    {9, "BAIXADO AUTOMATICAMENTE"},
    {10, "BAIXADO CONFORME INST. DA AGENCIA"},
    {11, "EM SER"},
    {12, "Abatimento Concedido"},
    {13, "Abatimento Cancelado"},
    {14, "Vencimento Alterado"},
    {15, "Enviado para Cartório"},
    {16, "Liquidação após baixa ou Título não registrado"},
    {17, "Liquidado em cartório"},
    {21, "Entrada em Cartório"},
    {22, "Retirado de Cartório"},
    {24, "Custas de Cartório"},
    {25, "Protestar Título"},
    {26, "Sustar Protesto"},
};

// Sicoob (756), CNAB 240. The texts are the bank's as received, leading blank and cut text included.
constexpr Occurrence kSicoob240[] = {
    {2, "Entrada Confirmada"},
    {3, "Entrada Rejeitada"},
    {4, "Transferência de Carteira/Entrada"},
    {5, "Transferência de Carteira/Baixa"},
    {6, "Liquidação"},
    {7, "Confirmação do Recebimento da Instrução de Desconto"},
    {8, "Confirmação do Recebimento do Cancelamento do Desconto"},
    {9, "Baixa"},
    {11, "Títulos em Carteira (Em Ser)"},
    {12, "Confirmação Recebimento Instrução de Abatimento"},
    {13, "Confirmação Recebimento Instrução de Cancelamento Abatimento"},
    {14, "Confirmação Recebimento Instrução Alteração de Vencimento"},
    {15, "Franco de Pagamento"},
    {17, "Liquidação Após Baixa ou Liquidação Título Não Registrado"},
    {19, " Confirmação Recebimento Instrução de Protesto"},
    {20, "Confirmação Recebimento Instrução de Sustação/Cancelamento de Protesto"},
    {23, "Remessa a Cartório (Aponte em Cartório)"},
    {24, "Retirada de Cartório e Manutenção em Carteira"},
    {25, "Protestado e Baixado (Baixa por Ter Sido Protestado)"},
    {26, "Instrução Rejeitada"},
    {27, "Confirmação do Pedido de Alteração de Outros Dados"},
    {28, "Débito de Tarifas/Custas"},
    {29, "Ocorrências do Pagador"},
    {30, "Alteração de Dados Rejeitada"},
    {33, "Confirmação da Alteração dos Dados do Rateio de Crédito"},
    {34, "Confirmação do Cancelamento dos Dados do Rateio de Crédito"},
    {35, "Confirmação do Desagendamento do Débito Automático"},
    {36, "Confirmação de envio de e-mail/SMS"},
    {37, "Envio de e-mail/SMS rejeitado"},
    {38, "Confirmação de alteração do Prazo Limite de Recebimento (a data deve ser"},
    {39, "Confirmação de Dispensa de Prazo Limite de Recebimento"},
    {40, "Confirmação da alteração do número do título dado pelo Beneficiário"},
    {41, "Confirmação da alteração do número controle do Participante"},
    {42, "Confirmação da alteração dos dados do Pagador"},
    {43, "Confirmação da alteração dos dados do Pagadorr/Avalista"},
    {44, "Título pago com cheque devolvido"},
    {45, "Título pago com cheque compensado"},
    {46, "Instrução para cancelar protesto confirmada"},
    {47, "Instrução para protesto para fins falimentares confirmada"},
    {48, "Confirmação de instrução de transferência de carteira/modalidade de cobrança"},
    {49, "Alteração de contrato de cobrança"},
    {50, "Título pago com cheque pendente de liquidação"},
    {51, "Título DDA reconhecido pelo Pagador"},
    {52, "Título DDA não reconhecido pelo Pagador"},
    {53, "Título DDA recusado pela CIP"},
    {54, "Confirmação da Instrução de Baixa de Título Negativado sem Protesto"},
    {55, "Confirmação de Pedido de Dispensa de Multa"},
    {56, "Confirmação do Pedido de Cobrança de Multa"},
    {57, "Confirmação do Pedido de Alteração de Cobrança de Juros"},
    {58, "Confirmação do Pedido de Alteração do Valor/Data de Desconto"},
    {59, "Confirmação do Pedido de Alteração do Beneficiário do Título"},
    {60, "Confirmação do Pedido de Dispensa de Juros de Mora"},
    {85, "Confirmação de Desistência de Protesto"},
    {86, "Confirmação de cancelamento do Protesto"},
};

std::string_view find(std::span<const Occurrence> table, int code)
{
    // The tables are sorted by code.
    const auto it = std::lower_bound(table.begin(), table.end(), code,
                                     [](const Occurrence& o, int c) { return o.code < c; });
    return it != table.end() && it->code == code ? it->text : std::string_view();
}

} // namespace

std::string_view occurrenceText(int bankCode, ReturnLayout layout, int code)
{
    if (layout == ReturnLayout::Cnab240)
        return bankCode == 756 ? find(kSicoob240, code) : std::string_view();
    switch (bankCode) {
    case 237:
        return find(kBradesco, code);
    case 341:
        return find(kItau, code);
    case 1:
        return find(kBancoDoBrasil, code);
    case 33:
        return find(kSantander, code);
    default:
        return {};
    }
}

} // namespace fin::cnab
