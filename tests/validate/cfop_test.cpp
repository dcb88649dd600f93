// The CFOP table: exactly the 459 fiscal operation codes the layout accepts, compared as written.
#include "validate/validate.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <string_view>

namespace {

using namespace std::string_view_literals;

// The accepted codes, by their first digit: how many there are and the codes in ascending order.
struct Grupo {
    char digito;
    int quantidade;
    std::string_view codigos;
};
const Grupo grupos[] = {
    {'1', 97,
     "1101 1102 1111 1113 1116 1117 1118 1120 1121 1122 1124 1125 1126 1151 1152 1153 1154 1201 1202 1203 "
     "1204 1205 1206 1207 1208 1209 1251 1252 1253 1254 1255 1256 1257 1301 1302 1303 1304 1305 1306 1351 "
     "1352 1353 1354 1355 1356 1401 1403 1406 1407 1408 1409 1410 1411 1414 1415 1451 1452 1501 1503 1504 "
     "1551 1552 1553 1554 1555 1556 1557 1601 1602 1603 1901 1902 1903 1904 1905 1906 1907 1908 1909 1910 "
     "1911 1912 1913 1914 1915 1916 1917 1918 1919 1920 1921 1922 1923 1924 1925 1926 1949"},
    {'2', 91,
     "2101 2102 2111 2113 2116 2117 2118 2120 2121 2122 2124 2125 2126 2151 2152 2153 2154 2201 2202 2203 "
     "2204 2205 2206 2207 2208 2209 2251 2252 2253 2254 2255 2256 2257 2301 2302 2303 2304 2305 2306 2351 "
     "2352 2353 2354 2355 2356 2401 2403 2406 2407 2408 2409 2410 2411 2414 2415 2501 2503 2504 2551 2552 "
     "2553 2554 2555 2556 2557 2603 2901 2902 2903 2904 2905 2907 2908 2909 2910 2911 2912 2913 2914 2915 "
     "2916 2917 2918 2919 2920 2921 2922 2923 2924 2925 2949"},
    {'3', 24,
     "3101 3102 3126 3127 3201 3202 3205 3206 3207 3211 3251 3301 3351 3352 3353 3354 3355 3356 3503 3551 "
     "3553 3556 3930 3949"},
    {'5', 114,
     "5101 5102 5103 5104 5105 5106 5109 5110 5111 5112 5113 5114 5115 5116 5117 5118 5119 5120 5122 5123 "
     "5124 5125 5151 5152 5153 5155 5156 5201 5202 5205 5206 5207 5208 5209 5210 5251 5252 5253 5254 5255 "
     "5256 5257 5258 5301 5302 5303 5305 5306 5307 5351 5352 5353 5354 5355 5356 5357 5401 5402 5403 5405 "
     "5408 5409 5410 5411 5412 5413 5414 5415 5451 5501 5502 5503 5551 5552 5553 5554 5555 5556 5557 5601 "
     "5602 5603 5901 5902 5903 5904 5905 5906 5907 5908 5909 5910 5911 5912 5913 5914 5915 5916 5917 5918 "
     "5919 5920 5921 5922 5923 5924 5925 5926 5927 5928 5929 5931 5932 5949"},
    {'6', 112,
     "6101 6102 6103 6104 6105 6106 6107 6108 6109 6110 6111 6112 6113 6114 6115 6116 6117 6118 6119 6120 "
     "6122 6123 6124 6125 6151 6152 6153 6155 6156 6201 6202 6205 6206 6207 6208 6209 6210 6251 6252 6253 "
     "6254 6255 6256 6257 6258 6301 6302 6303 6304 6305 6306 6307 6351 6352 6353 6354 6355 6356 6357 6401 "
     "6402 6403 6404 6405 6408 6409 6410 6411 6412 6413 6414 6415 6501 6502 6503 6551 6552 6553 6554 6555 "
     "6556 6557 6603 6901 6902 6903 6904 6905 6906 6907 6908 6909 6910 6911 6912 6913 6914 6915 6916 6917 "
     "6918 6919 6920 6921 6922 6923 6924 6925 6929 6931 6932 6949"},
    {'7', 21,
     "7101 7102 7105 7106 7127 7201 7202 7205 7206 7207 7210 7211 7251 7301 7358 7501 7551 7553 7556 7930 "
     "7949"},
};

std::set<std::string> aceitos() {
    std::set<std::string> s;
    for (const auto& g : grupos) {
        std::istringstream in{std::string(g.codigos)};
        for (std::string c; in >> c;)
            s.insert(c);
    }
    return s;
}

TEST(VerificaCFOP, AcceptsExactlyTheCodesOfTheTable) {
    const std::set<std::string> codes = aceitos();
    ASSERT_EQ(codes.size(), 459u);
    int porDigito[10] = {};
    for (int n = 0; n <= 9999; ++n) {
        char v[5];
        std::snprintf(v, sizeof v, "%04d", n);
        const bool valid = qv::Verifica_CFOP(v);
        EXPECT_EQ(valid, codes.count(v) == 1) << v;
        if (valid) ++porDigito[n / 1000];
    }
    // per first digit: none for 0, 4, 8 and 9
    for (const auto& g : grupos)
        EXPECT_EQ(porDigito[g.digito - '0'], g.quantidade) << "codes beginning with " << g.digito;
    for (const int d : {0, 4, 8, 9})
        EXPECT_EQ(porDigito[d], 0) << "codes beginning with " << d;
}

TEST(VerificaCFOP, NamedCodes) {
    struct Case {
        std::string_view value;
        bool valid;
    };
    const Case cases[] = {
        {"5102", true},  {"1101", true},  {"7949", true},  {"3930", true},  {"6949", true},
        {"5100", false}, {"4101", false}, {"0000", false}, {"2906", false}, {"1949", true},
        {"2603", true},  {"2601", false}, {"1603", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qv::Verifica_CFOP(c.value), c.valid) << c.value;
}

TEST(VerificaCFOP, OnlyFourCharactersAsWrittenCanMatch) {
    const std::string_view bad[] = {
        " 5102",
        "5102 ",
        " 5102 ",
        "5.102",
        "5,102",
        "510",
        "51020",
        "05102",
        "+5102",
        "\t5102",
        "5102\0"sv,
        "$13EE",
        "510 2",
        "51O2",
        // an empty or all-blank value
        "",
        " ",
        "    ",
        "\t\r\n",
        "\0\0\0\0"sv,
    };
    for (const auto v : bad)
        EXPECT_FALSE(qv::Verifica_CFOP(v)) << "\"" << v << "\"";
}

} // namespace
