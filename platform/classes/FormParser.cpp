#include "platform/classes/FormParser.h"

#include <string_view>

#include "platform/rtl/Exceptions.h"

namespace {

bool IsIdentStart(char16_t c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
}

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

int HexDigit(char16_t c)
{
    if (IsDigit(c)) return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    return -1;
}

class TLexer {
public:
    explicit TLexer(const String& text) : FText(text.u16()) {}

    std::vector<TFormToken> Run()
    {
        std::vector<TFormToken> tokens;
        for (;;) {
            SkipBlanks();
            TFormToken token;
            token.Line = FLine;
            if (AtEnd()) {
                tokens.push_back(token);
                return tokens;
            }
            char16_t c = Peek();
            if (IsIdentStart(c))
                ReadIdent(token);
            else if (IsDigit(c) || c == u'$' || (c == u'-' && (IsDigit(Peek(1)) || Peek(1) == u'$')))
                ReadNumber(token);
            else if (c == u'\'' || c == u'#')
                ReadString(token);
            else if (c == u'{')
                ReadBinary(token);
            else if (std::u16string_view(u"=:()[]<>,").find(c) != std::u16string_view::npos) {
                token.Kind = TFormTokenKind::Symbol;
                token.Text = String::FromChar(c);
                ++FPos;
            } else
                Error("Invalid character " + String::FromChar(c));
            tokens.push_back(std::move(token));
        }
    }

private:
    bool AtEnd() const { return FPos >= FText.size(); }
    char16_t Peek(size_t ahead = 0) const
    {
        return FPos + ahead < FText.size() ? FText[FPos + ahead] : u'\0';
    }
    [[noreturn]] void Error(const String& what) const { throw EReadError("Line " + IntToStr(FLine) + ": " + what); }

    void SkipBlanks()
    {
        while (!AtEnd() && (Peek() <= u' ' || Peek() == 0xFEFF)) {
            if (Peek() == u'\n') ++FLine;
            ++FPos;
        }
    }

    void ReadIdent(TFormToken& token)
    {
        token.Kind = TFormTokenKind::Ident;
        for (;;) {
            while (IsIdentStart(Peek()) || IsDigit(Peek())) token.Text += FText[FPos++];
            if (Peek() != u'.' || !IsIdentStart(Peek(1))) return;
            token.Text += FText[FPos++];
        }
    }

    void ReadNumber(TFormToken& token)
    {
        token.Kind = TFormTokenKind::Integer;
        if (Peek() == u'-') token.Text += FText[FPos++];
        if (Peek() == u'$') {
            token.Text += FText[FPos++];
            while (HexDigit(Peek()) >= 0) token.Text += FText[FPos++];
            return;
        }
        while (IsDigit(Peek())) token.Text += FText[FPos++];
        if (Peek() == u'.' && IsDigit(Peek(1))) {
            token.Kind = TFormTokenKind::Float;
            token.Text += FText[FPos++];
            while (IsDigit(Peek())) token.Text += FText[FPos++];
        }
        if (Peek() == u'e' || Peek() == u'E') {
            token.Kind = TFormTokenKind::Float;
            token.Text += FText[FPos++];
            if (Peek() == u'+' || Peek() == u'-') token.Text += FText[FPos++];
            if (!IsDigit(Peek())) Error("Invalid number " + token.Text);
            while (IsDigit(Peek())) token.Text += FText[FPos++];
        }
    }

    // Quoted parts and #codes, as long as they follow each other directly.
    void ReadString(TFormToken& token)
    {
        token.Kind = TFormTokenKind::String;
        for (;;) {
            if (Peek() == u'\'') {
                ++FPos;
                for (;;) {
                    if (AtEnd() || Peek() == u'\n' || Peek() == u'\r') Error("Unterminated string");
                    if (Peek() == u'\'') {
                        if (Peek(1) != u'\'') break;
                        ++FPos;
                    }
                    token.Text += FText[FPos++];
                }
                ++FPos;
            } else if (Peek() == u'#') {
                ++FPos;
                unsigned code = 0;
                bool hex = Peek() == u'$';
                if (hex) ++FPos;
                size_t start = FPos;
                while (hex ? HexDigit(Peek()) >= 0 : IsDigit(Peek())) {
                    code = code * (hex ? 16 : 10) + static_cast<unsigned>(hex ? HexDigit(Peek()) : Peek() - u'0');
                    if (code > 0xFFFF) Error("Invalid character code");
                    ++FPos;
                }
                if (FPos == start) Error("Invalid character code");
                token.Text += static_cast<char16_t>(code);
            } else
                return;
        }
    }

    void ReadBinary(TFormToken& token)
    {
        token.Kind = TFormTokenKind::Binary;
        ++FPos;
        int high = -1;
        for (;;) {
            SkipBlanks();
            if (AtEnd()) Error("Unterminated binary value");
            if (Peek() == u'}') break;
            int digit = HexDigit(Peek());
            if (digit < 0) Error("Invalid binary value");
            ++FPos;
            if (high < 0) {
                high = digit;
            } else {
                token.Bytes.push_back(static_cast<Byte>(high * 16 + digit));
                high = -1;
            }
        }
        if (high >= 0) Error("Invalid binary value");
        ++FPos;
    }

    std::u16string_view FText;
    size_t FPos = 0;
    int FLine = 1;
};

}  // namespace

std::vector<TFormToken> TokenizeForm(const String& Text)
{
    return TLexer(Text).Run();
}
