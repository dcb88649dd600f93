/* A host written in C: the public header compiles as C and its exports link and answer. */
#include "quelvar.h"

#include <stdio.h>
#include <string.h>

int main(void) {
    int failures = 0;
    unsigned char cnpj[15];
    unsigned char field[256];

    if (Info_Versao() != 103) {
        fprintf(stderr, "Info_Versao: %d\n", (int)Info_Versao());
        ++failures;
    }
    cnpj[0] = 14;
    memcpy(cnpj + 1, "11222333000181", 14);
    if (Verifica_CNPJ(cnpj) != 1) {
        fprintf(stderr, "Verifica_CNPJ rejected a valid CNPJ\n");
        ++failures;
    }
    field[0] = 5;
    memcpy(field + 1, "12,34", 5);
    FormatoNum2(field, 255, 8);
    if (field[0] != 8 || memcmp(field + 1, "00001234", 8) != 0) {
        fprintf(stderr, "FormatoNum2 did not give 00001234\n");
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
