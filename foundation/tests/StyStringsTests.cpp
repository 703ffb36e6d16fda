// The text routines: the value cipher and its printable form, blanks, searching, splitting,
// hexadecimal numbers and the text forms of rectangles, points and fonts.
#include <gtest/gtest.h>

#include <random>

#include "foundation/StyStrings.h"
#include "platform/rtl/Exceptions.h"

namespace {

std::string Hex(const std::string& bytes)
{
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (unsigned char b : bytes) {
        if (!out.empty()) out += ' ';
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

std::string Bytes(std::initializer_list<int> values)
{
    std::string out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}

}  // namespace

// Expected bytes worked out by hand from r = ((c + r) * 52845 + 22719) mod 65536.
TEST(StyCipherTests, KeyedCipherMatchesTheWorkedBytes)
{
    struct Case {
        std::string plain;
        Word key;
        std::string cipher;
    } cases[] = {
        {"abc", 47193, "d9 0d 3a"},
        {std::string(4, '\0'), 0, "00 58 c9 48"},
        {"Hello", 55665, "91 a2 7f b6 8e"},
        {"C:\\Dams", 47193, "fb e3 36 0a 75 81 b4"},
        {"", 47193, ""},
    };
    for (const Case& c : cases) {
        std::string cipher = KeyedBytesEncrypt(c.plain, c.key);
        EXPECT_EQ(Hex(cipher), c.cipher) << c.plain;
        EXPECT_EQ(KeyedBytesDecrypt(cipher, c.key), c.plain) << c.plain;
    }
}

TEST(StyCipherTests, SixBitFormMatchesTheWorkedTexts)
{
    struct Case {
        std::string bytes;
        std::string text;
    } cases[] = {
        {"abc", "3:HF9S"},
        {"", "0:8200"},
        {"a", "1:HB0P"},
        {"ab", "2:HF8P"},
        {"abcd", "4:HF9SI20P"},
        {Bytes({0xFF, 0x00, 0x80}), "3:o`20"},
        {Bytes({0xD9, 0x0D, 0x3A}), "3:f@dj"},   // "abc" ciphered with the default key
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SixBitBytesEncode(c.bytes), c.text) << Hex(c.bytes);
        EXPECT_EQ(SixBitBytesDecode(c.text), c.bytes) << c.text;
    }
    EXPECT_EQ(SixBitTextEncode(KeyedStringEncrypt("abc", 47193)), "3:f@dj");
}

TEST(StyCipherTests, RandomTextsRoundTripForAnyKey)
{
    std::mt19937 random(20261210);
    for (int n = 0; n < 300; ++n) {
        std::string bytes(static_cast<size_t>(n % 40), '\0');
        for (char& b : bytes) b = static_cast<char>(random() & 0xFF);
        Word key = static_cast<Word>(random());
        EXPECT_EQ(KeyedBytesDecrypt(KeyedBytesEncrypt(bytes, key), key), bytes);
        std::string text = SixBitBytesEncode(bytes);
        for (char ch : text.substr(text.find(':') + 1)) {
            EXPECT_GE(ch, '0');
            EXPECT_LE(ch, 'o');
        }
        EXPECT_EQ(SixBitBytesDecode(text), bytes);

        // Every byte value survives the trip through a text.
        String asText = AnsiString::FromBytes(bytes).ToString();
        EXPECT_EQ(SixBitTextDecode(SixBitTextEncode(KeyedStringEncrypt(asText, key))),
                  KeyedStringEncrypt(asText, key));
        EXPECT_EQ(KeyedStringDecrypt(KeyedStringEncrypt(asText, key), key), asText);
    }
}

TEST(StyCipherTests, SixBitDecodingOfForeignTexts)
{
    EXPECT_EQ(SixBitBytesDecode(""), "");
    EXPECT_EQ(SixBitBytesDecode("9:HF9S"), "abc");      // a longer count gives what there is
    EXPECT_EQ(SixBitBytesDecode("0:HF9S"), "");
    EXPECT_EQ(SixBitBytesDecode("-2:HF9S"), "");
    EXPECT_EQ(SixBitBytesDecode("3:"), "");              // empty payload
    EXPECT_EQ(SixBitBytesDecode("3:HF9SHF"), "abc");     // an incomplete group is not read
    EXPECT_THROW(SixBitBytesDecode("x:HF9S"), EConvertError);
    EXPECT_THROW(SixBitBytesDecode("HF9S"), EConvertError);
}

TEST(StyStringsTests, BlanksSearchingAndBackslashes)
{
    EXPECT_TRUE(IsBlank(""));
    EXPECT_TRUE(IsBlank("   "));
    EXPECT_FALSE(IsBlank(" \t"));
    EXPECT_EQ(TrimBlanks("\t a b \r\n"), "a b");
    EXPECT_EQ(CountChar("a,b,,c", u','), 3);
    EXPECT_EQ(LastCharPos("a\\b\\c", u'\\'), 4);
    EXPECT_EQ(LastCharPos("abc", u'\\'), 0);
    EXPECT_EQ(TextBeforeLastChar("a.b.c", u'.'), "a.b");
    EXPECT_EQ(TextBeforeLastChar("abc", u'.'), "abc");
    EXPECT_TRUE(TextAtPos("abcdef", 3, "cd"));
    EXPECT_FALSE(TextAtPos("abcdef", 3, "CD"));
    EXPECT_TRUE(TextAtPos("abc", 9, ""));
    EXPECT_FALSE(TextAtPos("abc", 4, "c"));
    EXPECT_FALSE(TextAtPos("abc", 3, "cd"));
    EXPECT_EQ(LastPos("ab", "abcabc"), 4);
    EXPECT_EQ(LastPos("", "abc"), 0);
    EXPECT_EQ(LastPos("abcd", "abc"), 0);
    String text = "abcdef", part;
    CutText(text, 2, 3, part);
    EXPECT_EQ(text, "aef");
    EXPECT_EQ(part, "bcd");
    EXPECT_EQ(CharString(u'*', 3), "***");
    EXPECT_EQ(CharString(u'*', -1), "");
    EXPECT_EQ(AddBackslash("C:\\Dams"), "C:\\Dams\\");
    EXPECT_EQ(AddBackslash("C:\\Dams\\"), "C:\\Dams\\");
    EXPECT_EQ(AddBackslash("  "), "  \\");
    EXPECT_EQ(RemoveBackslash("C:\\Dams\\\\"), "C:\\Dams\\");
    EXPECT_EQ(RemoveBackslash(""), "");
    EXPECT_EQ(JoinIntegers({1, -2, 3}, ", "), "1, -2, 3");
    EXPECT_EQ(JoinTexts({"a", "", "b"}, ";"), "a;;b");
    std::bitset<256> digits;
    for (char c = '0'; c <= '9'; ++c) digits.set(static_cast<size_t>(c));
    EXPECT_TRUE(WideCharInSet(u'5', digits));
    EXPECT_FALSE(WideCharInSet(u'a', digits));
    EXPECT_FALSE(WideCharInSet(char16_t(0x0135), digits));   // 0x35 is '5' in the low byte only
    EXPECT_EQ(AnsiPosFrom("ab", "abxab", 2), 4);
    EXPECT_EQ(AnsiPosFrom("ab", "abxab", 5), 0);
}

TEST(StyStringsTests, SplitTextKeepsInnerEmptyPiecesOnly)
{
    struct Case {
        const char* text;
        std::vector<String> pieces;
    } cases[] = {
        {"a,,b", {"a", "", "b"}},
        {"a,", {"a"}},
        {",a", {"", "a"}},
        {"", {}},
        {"abc", {"abc"}},
    };
    for (const Case& c : cases) {
        TStringList list;
        list.Add("left over");
        SplitText(c.text, u',', &list);
        ASSERT_EQ(list.Count(), static_cast<Integer>(c.pieces.size())) << c.text;
        for (Integer i = 0; i < list.Count(); ++i) EXPECT_EQ(list[i], c.pieces[static_cast<size_t>(i)]) << c.text;
    }
    SplitText("a,b", u',', nullptr);
}

TEST(StyStringsTests, HexadecimalNumbers)
{
    struct Case {
        const char* text;
        Integer value;
    } cases[] = {
        {"$ff", 255}, {"-1A", -26}, {"+10", 16}, {"$ 7f ", 127}, {"FFFFFFFF", -1}, {"100000001", 1},
    };
    for (const Case& c : cases) EXPECT_EQ(HexToInt(AnsiString(c.text)), c.value) << c.text;
    for (const char* bad : {"1G", "", "$", "-", " $1", "0x10"}) EXPECT_EQ(HexToIntDef(bad, -7), -7) << bad;
    try {
        HexToInt(AnsiString("1G"));
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'1G' is not a valid Integer value");
    }
}

TEST(StyStringsTests, TextFormsOfRectanglesAndPoints)
{
    EXPECT_EQ(RectToText(TRect{1, -2, 30, 40}), "1,-2,30,40");
    EXPECT_EQ(TextToRect("1,-2,30,40"), (TRect{1, -2, 30, 40}));
    EXPECT_EQ(TextToRect("1,2,3"), TRect{});
    EXPECT_EQ(TextToRect("1,x,3,4"), (TRect{1, 0, 3, 4}));
    EXPECT_EQ(PointToText(TPoint{5, -6}), "5,-6");
    EXPECT_EQ(TextToPoint(" 5 , -6 "), (TPoint{5, -6}));
    EXPECT_EQ(TextToPoint(",5"), (TPoint{0, 5}));
    EXPECT_EQ(TextToPoint("5,"), TPoint{});
    EXPECT_EQ(TextToPoint("5"), TPoint{});
}

TEST(StyStringsTests, TextFormOfFonts)
{
    TFont font;
    font.SetName("Courier New");
    font.SetSize(12);
    font.SetColor(clRed);
    font.SetStyle(TFontStyles{TFontStyle::fsBold, TFontStyle::fsUnderline});
    EXPECT_EQ(FontToText(font), "Courier New,12,clRed,1,0,1,0");

    TFont read;
    TextToFont("Courier New,12,clRed,1,0,1,0", read);
    EXPECT_TRUE(read.SameAs(font));
    TextToFont("Arial,9,$00102030,0,2,0,1", read);
    EXPECT_EQ(read.Name(), "Arial");
    EXPECT_EQ(read.Size(), 9);
    EXPECT_EQ(read.Color(), 0x102030);
    EXPECT_EQ(read.Style(), (TFontStyles{TFontStyle::fsItalic, TFontStyle::fsStrikeOut}));

    TFont unchanged;
    TextToFont("Arial,9,clRed,1,0,1", unchanged);   // six pieces
    EXPECT_TRUE(unchanged.SameAs(TFont()));
    EXPECT_THROW(TextToFont("Arial,9,clRed,yes,0,1,0", unchanged), EConvertError);
}
