# financeiro-cli retorno over every sample return file, a file that cannot be
# read and a bank without a reader. Run with -DCLI=... -DSAMPLES=... -DWORK=...

function(run_cli)
    execute_process(COMMAND ${CLI} retorno ${ARGN}
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    set(rc "${rc}" PARENT_SCOPE)
    set(out "${out}" PARENT_SCOPE)
    set(err "${err}" PARENT_SCOPE)
endfunction()

# file | bank | layout | rows (one per detail, one per T/U pair)
set(samples
    "400/237/CNAB400BRADESCO.RET|237|400|6"
    "400/341/CNAB400ITAU.RET|341|400|52"
    "400/001/CBR64310.RET|001|400|26"
    "400/033/santander.ret|033|400|1"
    "240/756/CNAB240SICOOB.RET|756|240|3")
foreach(sample IN LISTS samples)
    string(REPLACE "|" ";" fields "${sample}")
    list(GET fields 0 file)
    list(GET fields 1 bank)
    list(GET fields 2 layout)
    list(GET fields 3 expected)
    run_cli(--banco ${bank} --layout ${layout} ${SAMPLES}/cnab/${file})
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${file}: exit ${rc}: ${err}")
    endif()
    string(REGEX MATCHALL "{\"IDREG\":[^\n]*\"VARIACAO_CARTEIRA\":[^\n]*}\n" rows "${out}")
    list(LENGTH rows count)
    string(LENGTH "${out}" outLength)
    string(REGEX MATCHALL "\n" lineEnds "${out}")
    list(LENGTH lineEnds lineCount)
    if(NOT count EQUAL expected OR NOT lineCount EQUAL expected)
        message(FATAL_ERROR "${file}: ${count} rows of ${lineCount} lines, expected ${expected}:\n${out}")
    endif()
endforeach()

# The whole line: keys in the table's order, amounts as decimal strings,
# integers as numbers, dates as YYYY-MM-DD, empty columns null.
run_cli(--banco 33 --layout 400 ${SAMPLES}/cnab/400/033/santander.ret)
set(line [=[{"IDREG":1,"TP_INSCRICAO":0,"CNPCPF":"00000000000000","CARTEIRA":"0","AGENCIA":"0000","CONTA":"00000000","CONTROLE_PART_BRAD":null,"NOSSO_NUMERO":"0000001","ID_OCORRENCIA":null,"DT_OCORRENCIA":"2016-10-20","NUM_DOC":"         1","DT_VENCIMENTO":"2016-10-20","VALOR_TITULO":"100.00","BANCO_COBRADOR":null,"AGENCIA_COBRADORA":null,"VALOR_DESPESAS":"0.00","OUTRAS_DESPESAS":"0.00","IOF":"0.00","VALOR_ABATIMENTO":"0.00","VALOR_DESCONTO":"0.00","VALOR_PAGO":"100.00","VALOR_JUROS":"0.00","VALOR_OUTROS_CREDITOS":"0.00","COD_MOT_OCORRENCIA":2,"DATA_CREDITO":null,"COD_MOT_REJEICAO":null,"DIGITO_NOSSO_NUMERO":null,"DESC_OCORRENCIA":"ENTRADA CONFIRMADA","DIGITO_CONTA":null,"COD_CLIENTE":null,"RAZAO_CLIENTE":null,"DADOS_RETORNO":"@PATH@","CODIGO_CONVENIO":null,"TIPO_COBRANCA":null,"VARIACAO_CARTEIRA":null}]=])
string(REPLACE "@PATH@" "${SAMPLES}/cnab/400/033/santander.ret" line "${line}")
if(NOT out STREQUAL "${line}\n")
    message(FATAL_ERROR "Santander row:\n${out}\nexpected:\n${line}")
endif()

# A detail whose payment amount holds a letter: no rows, the line and the field named.
file(READ ${SAMPLES}/cnab/400/237/CNAB400BRADESCO.RET bradesco)
string(FIND "${bradesco}" "\n1" second)
math(EXPR at "${second} + 1 + 259")
string(SUBSTRING "${bradesco}" 0 ${at} head)
math(EXPR after "${at} + 1")
string(SUBSTRING "${bradesco}" ${after} -1 tail)
file(WRITE ${WORK}/retorno_ruim.ret "${head}X${tail}")
run_cli(--banco 237 --layout 400 ${WORK}/retorno_ruim.ret)
if(rc EQUAL 0 OR NOT out STREQUAL "" OR NOT err MATCHES "Linha 2, campo VALOR_PAGO")
    message(FATAL_ERROR "unreadable file: exit ${rc}, output '${out}', message '${err}'")
endif()

run_cli(--banco 104 --layout 400 ${SAMPLES}/cnab/400/033/santander.ret)
if(rc EQUAL 0 OR NOT err STREQUAL "Banco não implementado\n")
    message(FATAL_ERROR "bank 104: exit ${rc}, message '${err}'")
endif()
run_cli(--banco 33 --layout 240 ${SAMPLES}/cnab/400/033/santander.ret)
if(rc EQUAL 0 OR NOT err STREQUAL "Banco nao implementado\n")
    message(FATAL_ERROR "bank 33, CNAB 240: exit ${rc}, message '${err}'")
endif()
run_cli(--banco 237 --layout 400 ${WORK}/nao_existe.ret)
if(rc EQUAL 0 OR NOT err MATCHES "nao_existe.ret")
    message(FATAL_ERROR "missing file: exit ${rc}, message '${err}'")
endif()
