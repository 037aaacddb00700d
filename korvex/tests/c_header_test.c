/* The public header compiles as C, and a C program links and runs against
 * the shared library. */
#include <string.h>

#include "korvex.h"

int main(void) {
    const unsigned char key[8] = {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF};
    const unsigned char plain[8] = {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11};
    const unsigned char expected[8] = {0x61, 0xF9, 0xC3, 0x80, 0x22, 0x81, 0xB0, 0x96};
    unsigned char out[8];
    char hex[17] = "1111111111111111";
    if (BLF_Bytes(out, plain, sizeof out, key, sizeof key, -1) != KORVEX_OK) return 1;
    if (memcmp(out, expected, sizeof out) != 0) return 2;
    if (BLF_Hex(hex, hex, "0123456789ABCDEF", 1) != KORVEX_OK) return 3;
    if (strcmp(hex, "61F9C3802281B096") != 0) return 4;
    if (BLF_Bytes(out, plain, 8, key, 57, 1) != KORVEX_ERR_KEY_LENGTH) return 5;
    if (BLF_Final(0) != KORVEX_ERR_HANDLE) return 6;
    return 0;
}
