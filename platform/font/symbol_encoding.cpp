#include "platform/font/symbol_encoding.h"

#include <array>

namespace kp {

namespace {

struct Entry {
    uint8_t byte;
    std::string_view glyph_name;
    char32_t unicode;
};

// The pieces for building tall brackets, braces and integrals have Unicode characters of
// their own since Unicode 3.2; older symbol fonts put them in the private use area, where
// their glyph names still find them.
constexpr std::array<Entry, 189> symbol_table = {{
    {0x20, "space", 0x0020},          {0x21, "exclam", 0x0021},
    {0x22, "universal", 0x2200},      {0x23, "numbersign", 0x0023},
    {0x24, "existential", 0x2203},    {0x25, "percent", 0x0025},
    {0x26, "ampersand", 0x0026},      {0x27, "suchthat", 0x220B},
    {0x28, "parenleft", 0x0028},      {0x29, "parenright", 0x0029},
    {0x2A, "asteriskmath", 0x2217},   {0x2B, "plus", 0x002B},
    {0x2C, "comma", 0x002C},          {0x2D, "minus", 0x2212},
    {0x2E, "period", 0x002E},         {0x2F, "slash", 0x002F},
    {0x30, "zero", 0x0030},           {0x31, "one", 0x0031},
    {0x32, "two", 0x0032},            {0x33, "three", 0x0033},
    {0x34, "four", 0x0034},           {0x35, "five", 0x0035},
    {0x36, "six", 0x0036},            {0x37, "seven", 0x0037},
    {0x38, "eight", 0x0038},          {0x39, "nine", 0x0039},
    {0x3A, "colon", 0x003A},          {0x3B, "semicolon", 0x003B},
    {0x3C, "less", 0x003C},           {0x3D, "equal", 0x003D},
    {0x3E, "greater", 0x003E},        {0x3F, "question", 0x003F},
    {0x40, "congruent", 0x2245},      {0x41, "Alpha", 0x0391},
    {0x42, "Beta", 0x0392},           {0x43, "Chi", 0x03A7},
    {0x44, "Delta", 0x0394},          {0x45, "Epsilon", 0x0395},
    {0x46, "Phi", 0x03A6},            {0x47, "Gamma", 0x0393},
    {0x48, "Eta", 0x0397},            {0x49, "Iota", 0x0399},
    {0x4A, "theta1", 0x03D1},         {0x4B, "Kappa", 0x039A},
    {0x4C, "Lambda", 0x039B},         {0x4D, "Mu", 0x039C},
    {0x4E, "Nu", 0x039D},             {0x4F, "Omicron", 0x039F},
    {0x50, "Pi", 0x03A0},             {0x51, "Theta", 0x0398},
    {0x52, "Rho", 0x03A1},            {0x53, "Sigma", 0x03A3},
    {0x54, "Tau", 0x03A4},            {0x55, "Upsilon", 0x03A5},
    {0x56, "sigma1", 0x03C2},         {0x57, "Omega", 0x03A9},
    {0x58, "Xi", 0x039E},             {0x59, "Psi", 0x03A8},
    {0x5A, "Zeta", 0x0396},           {0x5B, "bracketleft", 0x005B},
    {0x5C, "therefore", 0x2234},      {0x5D, "bracketright", 0x005D},
    {0x5E, "perpendicular", 0x22A5},  {0x5F, "underscore", 0x005F},
    {0x60, "radicalex", 0xF8E5},      {0x61, "alpha", 0x03B1},
    {0x62, "beta", 0x03B2},           {0x63, "chi", 0x03C7},
    {0x64, "delta", 0x03B4},          {0x65, "epsilon", 0x03B5},
    {0x66, "phi", 0x03C6},            {0x67, "gamma", 0x03B3},
    {0x68, "eta", 0x03B7},            {0x69, "iota", 0x03B9},
    {0x6A, "phi1", 0x03D5},           {0x6B, "kappa", 0x03BA},
    {0x6C, "lambda", 0x03BB},         {0x6D, "mu", 0x03BC},
    {0x6E, "nu", 0x03BD},             {0x6F, "omicron", 0x03BF},
    {0x70, "pi", 0x03C0},             {0x71, "theta", 0x03B8},
    {0x72, "rho", 0x03C1},            {0x73, "sigma", 0x03C3},
    {0x74, "tau", 0x03C4},            {0x75, "upsilon", 0x03C5},
    {0x76, "omega1", 0x03D6},         {0x77, "omega", 0x03C9},
    {0x78, "xi", 0x03BE},             {0x79, "psi", 0x03C8},
    {0x7A, "zeta", 0x03B6},           {0x7B, "braceleft", 0x007B},
    {0x7C, "bar", 0x007C},            {0x7D, "braceright", 0x007D},
    {0x7E, "similar", 0x223C},        {0xA0, "Euro", 0x20AC},
    {0xA1, "Upsilon1", 0x03D2},       {0xA2, "minute", 0x2032},
    {0xA3, "lessequal", 0x2264},      {0xA4, "fraction", 0x2044},
    {0xA5, "infinity", 0x221E},       {0xA6, "florin", 0x0192},
    {0xA7, "club", 0x2663},           {0xA8, "diamond", 0x2666},
    {0xA9, "heart", 0x2665},          {0xAA, "spade", 0x2660},
    {0xAB, "arrowboth", 0x2194},      {0xAC, "arrowleft", 0x2190},
    {0xAD, "arrowup", 0x2191},        {0xAE, "arrowright", 0x2192},
    {0xAF, "arrowdown", 0x2193},      {0xB0, "degree", 0x00B0},
    {0xB1, "plusminus", 0x00B1},      {0xB2, "second", 0x2033},
    {0xB3, "greaterequal", 0x2265},   {0xB4, "multiply", 0x00D7},
    {0xB5, "proportional", 0x221D},   {0xB6, "partialdiff", 0x2202},
    {0xB7, "bullet", 0x2022},         {0xB8, "divide", 0x00F7},
    {0xB9, "notequal", 0x2260},       {0xBA, "equivalence", 0x2261},
    {0xBB, "approxequal", 0x2248},    {0xBC, "ellipsis", 0x2026},
    {0xBD, "arrowvertex", 0x23D0},    {0xBE, "arrowhorizex", 0x23AF},
    {0xBF, "carriagereturn", 0x21B5}, {0xC0, "aleph", 0x2135},
    {0xC1, "Ifraktur", 0x2111},       {0xC2, "Rfraktur", 0x211C},
    {0xC3, "weierstrass", 0x2118},    {0xC4, "circlemultiply", 0x2297},
    {0xC5, "circleplus", 0x2295},     {0xC6, "emptyset", 0x2205},
    {0xC7, "intersection", 0x2229},   {0xC8, "union", 0x222A},
    {0xC9, "propersuperset", 0x2283}, {0xCA, "reflexsuperset", 0x2287},
    {0xCB, "notsubset", 0x2284},      {0xCC, "propersubset", 0x2282},
    {0xCD, "reflexsubset", 0x2286},   {0xCE, "element", 0x2208},
    {0xCF, "notelement", 0x2209},     {0xD0, "angle", 0x2220},
    {0xD1, "gradient", 0x2207},       {0xD2, "registerserif", 0x00AE},
    {0xD3, "copyrightserif", 0x00A9}, {0xD4, "trademarkserif", 0x2122},
    {0xD5, "product", 0x220F},        {0xD6, "radical", 0x221A},
    {0xD7, "dotmath", 0x22C5},        {0xD8, "logicalnot", 0x00AC},
    {0xD9, "logicaland", 0x2227},     {0xDA, "logicalor", 0x2228},
    {0xDB, "arrowdblboth", 0x21D4},   {0xDC, "arrowdblleft", 0x21D0},
    {0xDD, "arrowdblup", 0x21D1},     {0xDE, "arrowdblright", 0x21D2},
    {0xDF, "arrowdbldown", 0x21D3},   {0xE0, "lozenge", 0x25CA},
    {0xE1, "angleleft", 0x2329},      {0xE2, "registersans", 0x00AE},
    {0xE3, "copyrightsans", 0x00A9},  {0xE4, "trademarksans", 0x2122},
    {0xE5, "summation", 0x2211},      {0xE6, "parenlefttp", 0x239B},
    {0xE7, "parenleftex", 0x239C},    {0xE8, "parenleftbt", 0x239D},
    {0xE9, "bracketlefttp", 0x23A1},  {0xEA, "bracketleftex", 0x23A2},
    {0xEB, "bracketleftbt", 0x23A3},  {0xEC, "bracelefttp", 0x23A7},
    {0xED, "braceleftmid", 0x23A8},   {0xEE, "braceleftbt", 0x23A9},
    {0xEF, "braceex", 0x23AA},        {0xF1, "angleright", 0x232A},
    {0xF2, "integral", 0x222B},       {0xF3, "integraltp", 0x2320},
    {0xF4, "integralex", 0x23AE},     {0xF5, "integralbt", 0x2321},
    {0xF6, "parenrighttp", 0x239E},   {0xF7, "parenrightex", 0x239F},
    {0xF8, "parenrightbt", 0x23A0},   {0xF9, "bracketrighttp", 0x23A4},
    {0xFA, "bracketrightex", 0x23A5}, {0xFB, "bracketrightbt", 0x23A6},
    {0xFC, "bracerighttp", 0x23AB},   {0xFD, "bracerightmid", 0x23AC},
    {0xFE, "bracerightbt", 0x23AD},
}};

// The table is sorted by byte with no gaps inside its two runs, 0x20..0x7E and 0xA0..0xFE
// (less 0xF0), so a byte finds its row by arithmetic; this checks that at compile time.
constexpr bool table_is_dense()
{
    for (std::size_t i = 0; i < symbol_table.size(); ++i) {
        std::size_t byte = symbol_table[i].byte;
        std::size_t expected = i < 95 ? 0x20 + i : (i < 175 ? 0xA0 + (i - 95) : 0xF1 + (i - 175));
        if (byte != expected)
            return false;
    }
    return true;
}
static_assert(table_is_dense());

} // namespace

std::optional<SymbolCharacter> symbol_character(uint8_t byte)
{
    std::size_t row = 0;
    if (byte >= 0x20 && byte <= 0x7E)
        row = byte - 0x20;
    else if (byte >= 0xA0 && byte <= 0xEF)
        row = 95 + (byte - 0xA0);
    else if (byte >= 0xF1 && byte <= 0xFE)
        row = 175 + (byte - 0xF1);
    else
        return std::nullopt;
    Entry const& entry = symbol_table[row];
    return SymbolCharacter{entry.glyph_name, entry.unicode};
}

std::optional<uint8_t> symbol_byte_for_unicode(char32_t unicode)
{
    // Letters, digits and punctuation that the symbol encoding shares with ASCII come first
    // in the table, so the first hit is the plain byte.
    for (Entry const& entry : symbol_table) {
        if (entry.unicode == unicode)
            return entry.byte;
    }
    return std::nullopt;
}

} // namespace kp
