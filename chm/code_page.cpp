#include "chm/writer.h"

namespace chm {

uint32_t CodePageOf(uint32_t language) {
    switch (language) {  // languages whose sublanguages differ in code page
    case 0x0404: case 0x0C04: case 0x1404: return 950;   // Chinese, traditional
    case 0x0804: case 0x1004: return 936;                 // Chinese, simplified
    case 0x081A: case 0x141A: return 1250;                // Serbian and Bosnian, Latin
    case 0x0C1A: case 0x201A: return 1251;                // Serbian and Bosnian, Cyrillic
    case 0x0443: return 1254;                             // Uzbek, Latin
    case 0x0843: case 0x082C: return 1251;                // Uzbek and Azeri, Cyrillic
    default: break;
    }
    switch (language & 0x3FF) {
    case 0x11: return 932;                                          // Japanese
    case 0x12: return 949;                                          // Korean
    case 0x1E: return 874;                                          // Thai
    case 0x2A: return 1258;                                         // Vietnamese
    case 0x05: case 0x0E: case 0x15: case 0x18: case 0x1A: case 0x1B:
    case 0x1C: case 0x24: return 1250;                              // Central European
    case 0x02: case 0x19: case 0x22: case 0x23: case 0x2F: case 0x3F:
    case 0x40: case 0x44: case 0x50: return 1251;                   // Cyrillic
    case 0x08: return 1253;                                         // Greek
    case 0x1F: case 0x2C: return 1254;                              // Turkish, Azeri
    case 0x0D: return 1255;                                         // Hebrew
    case 0x01: case 0x20: case 0x29: return 1256;                   // Arabic, Urdu, Farsi
    case 0x25: case 0x26: case 0x27: return 1257;                   // Baltic
    default: return 1252;
    }
}

}  // namespace chm
