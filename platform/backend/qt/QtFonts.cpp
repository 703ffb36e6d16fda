// Text measuring and rendering with Qt's fonts, without antialiasing.
#include <algorithm>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <cmath>
#include <map>
#include <mutex>

#include "platform/backend/qt/QtSupport.h"

namespace qtbackend {

namespace {

// Ascent and descent as the platform measures them: the font's Windows ascent and descent
// (OS/2 table) scaled to the em size and rounded; Qt's own values when the table is missing.
struct TVertical {
    int Ascent = 0, Descent = 0;
    double CellPerEm = 0;   // (ascent + descent) / em, 0 when unknown
};

TVertical Measure(const QFont& f);

// Reading the font's tables is slow: the answers are kept per font and size.
TVertical Vertical(const QFont& f)
{
    static std::map<QString, TVertical> cache;
    const QString key = f.key();
    auto it = cache.find(key);
    if (it == cache.end()) it = cache.emplace(key, Measure(f)).first;
    return it->second;
}

TVertical Measure(const QFont& f)
{
    TVertical v;
    QRawFont raw = QRawFont::fromFont(f);
    QByteArray os2 = raw.isValid() ? raw.fontTable("OS/2") : QByteArray();
    QByteArray head = raw.isValid() ? raw.fontTable("head") : QByteArray();
    auto u16 = [](const QByteArray& table, int at) { return (Byte(table[at]) << 8) | Byte(table[at + 1]); };
    // The OS/2 values are in the font's design units, which the head table gives (for fonts of
    // embedded bitmaps the toolkit answers the strike's pixel size instead).
    const double upem = head.size() >= 20 ? u16(head, 18) : 0;
    if (os2.size() >= 78 && upem > 0) {
        const int winAscent = u16(os2, 74), winDescent = u16(os2, 76);
        if (winAscent + winDescent > 0) {
            const double px = f.pixelSize();
            v.Ascent = static_cast<int>(std::lround(winAscent * px / upem));
            v.Descent = static_cast<int>(std::lround(winDescent * px / upem));
            v.CellPerEm = (winAscent + winDescent) / upem;
            return v;
        }
    }
    QFontMetrics fm(f);
    v.Ascent = fm.ascent();
    v.Descent = fm.descent();
    return v;
}

}  // namespace

QFont ToQFont(const TFontSpec& fontSpec)
{
    QFont f(QS(fontSpec.Name));
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setKerning(false);
    f.setBold(fontSpec.Style.Contains(TFontStyle::fsBold));
    f.setItalic(fontSpec.Style.Contains(TFontStyle::fsItalic));
    f.setUnderline(fontSpec.Style.Contains(TFontStyle::fsUnderline));
    f.setStrikeOut(fontSpec.Style.Contains(TFontStyle::fsStrikeOut));
    if (fontSpec.Pitch == TFontPitch::fpFixed) f.setFixedPitch(true);
    // heights beyond any page (a damaged picture file) are limited
    constexpr int MaxPixels = 4000;
    if (fontSpec.Height < 0) {
        f.setPixelSize(std::clamp(-fontSpec.Height, 1, MaxPixels));   // character (em) height
    } else {
        // cell height: the em that makes ascent plus descent the height asked for
        const int h = std::clamp(fontSpec.Height, 1, MaxPixels);
        f.setPixelSize(h);
        TVertical v = Vertical(f);
        double perEm = v.CellPerEm > 0 ? v.CellPerEm : double(v.Ascent + v.Descent) / h;
        if (perEm > 0) f.setPixelSize(std::max(1, static_cast<int>(std::lround(h / perEm))));
    }
    return f;
}

namespace {

bool SameFont(const TFontSpec& a, const TFontSpec& b)
{
    return a.Name == b.Name && a.Height == b.Height && a.Style == b.Style && a.Orientation == b.Orientation &&
           a.Pitch == b.Pitch && a.Charset == b.Charset;
}

class TQtFontEngine : public TFontEngine {
public:
    // The fonts are all known before the first measuring, so a font's metrics never change: each
    // is asked of the toolkit once (a row of text asks for them every time it is measured).
    TFontMetrics Metrics(const TFontSpec& fontSpec) override
    {
        std::string key = fontSpec.Name.ToUtf8();
        for (const Integer part : {fontSpec.Height, fontSpec.Orientation, static_cast<Integer>(fontSpec.Pitch),
                                   static_cast<Integer>(fontSpec.Charset)})
            key += '\n' + std::to_string(part);
        for (const TFontStyle style : {TFontStyle::fsBold, TFontStyle::fsItalic, TFontStyle::fsUnderline, TFontStyle::fsStrikeOut})
            key += fontSpec.Style.Contains(style) ? '1' : '0';
        const std::lock_guard<std::mutex> lock(FMetricsLock);
        if (const auto known = FMetrics.find(key); known != FMetrics.end()) return known->second;
        if (FMetrics.size() >= 1024) FMetrics.clear();   // a file may name any number of sizes
        return FMetrics[key] = MetricsOf(fontSpec);
    }

    Integer TextWidth(const TFontSpec& fontSpec, const String& text) override
    {
        return QFontMetrics(ToQFont(fontSpec)).horizontalAdvance(QS(text));
    }

    // The advance of every leading part.  A layout finds a cursor's x by adding up the advances
    // before it, so one layout of a long text would take a time growing with the square of its
    // length: the text is laid out in pieces instead, each ending after a space or, in a long run
    // without one, at the first cluster boundary 64 characters on.  Kerning is off, so the pieces
    // add up to the whole; only text with right-to-left characters, whose order the whole line
    // decides, is laid out at once.  An editor measures its whole text after every key: the
    // pieces of the last text measured that lie before the first change are taken over.
    std::vector<Integer> PartialWidths(const TFontSpec& fontSpec, const String& text) override
    {
        std::vector<Integer> widths;
        if (text.IsEmpty()) return widths;
        const QString s = QS(text);
        const QFont font = ToQFont(fontSpec);
        const bool rightToLeft = std::any_of(s.begin(), s.end(), [](QChar c) {
            const QChar::Direction d = c.direction();
            return d == QChar::DirR || d == QChar::DirAL || d == QChar::DirRLE || d == QChar::DirRLO || d == QChar::DirRLI;
        });
        if (rightToLeft) {
            QTextLayout layout(s, font);
            layout.beginLayout();
            const QTextLine line = layout.createLine();
            layout.endLayout();
            for (int i = 1; i <= s.size(); ++i) widths.push_back(static_cast<Integer>(std::lround(line.cursorToX(i))));
            return widths;
        }
        // the pieces that end before the first character that differs stay
        const std::lock_guard<std::mutex> lock(FLastLock);   // pictures may be measured off the main thread
        size_t kept = 0;
        if (SameFont(FLast.Font, fontSpec)) {
            const qsizetype common = std::mismatch(s.begin(), s.end(), FLast.Text.begin(), FLast.Text.end()).first - s.begin();
            while (kept < FLast.Ends.size() && FLast.Ends[kept] < common) ++kept;
        } else {
            FLast.Font = fontSpec;
        }
        FLast.Ends.resize(kept);
        qsizetype start = kept > 0 ? FLast.Ends.back() : 0;
        FLast.Xs.resize(static_cast<size_t>(start));
        FLast.Text = s;
        constexpr qsizetype LongRun = 64;
        QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, s);
        qreal before = start > 0 ? FLast.Xs.back() : 0;
        while (start < s.size()) {
            qsizetype end = start + 1;
            while (end < s.size() && s[end - 1] != u' ') {
                if (end - start >= LongRun) {
                    clusters.setPosition(end);
                    if (clusters.isAtBoundary()) break;
                }
                ++end;
            }
            QTextLayout layout(s.mid(start, end - start), font);
            layout.beginLayout();
            const QTextLine line = layout.createLine();
            layout.endLayout();
            for (qsizetype i = 1; i <= end - start; ++i) FLast.Xs.push_back(before + line.cursorToX(static_cast<int>(i)));
            before = FLast.Xs.back();
            FLast.Ends.push_back(end);
            start = end;
        }
        widths.reserve(FLast.Xs.size());
        for (qreal x : FLast.Xs) widths.push_back(static_cast<Integer>(std::lround(x)));
        return widths;
    }

    TGlyphMask Render(const TFontSpec& fontSpec, const String& text, const TRect& visible) override
    {
        TGlyphMask mask;
        if (text.IsEmpty()) return mask;
        QFont f = ToQFont(fontSpec);
        QFontMetrics fm(f);
        const int ascent = Vertical(f).Ascent;
        const Int64 w = fm.horizontalAdvance(QS(text)), h = fm.ascent() + fm.descent();
        // room for overhangs (italics) and, for turned text, any rotation around the reference point,
        // cut to the visible part
        const Int64 margin = fm.maxWidth() + 4;
        const bool turned = fontSpec.Orientation != 0;
        auto edge = [](Int64 v) { return static_cast<Integer>(std::clamp<Int64>(v, INT32_MIN, INT32_MAX)); };
        const Int64 reach = w + h + margin;
        const TRect all{edge(turned ? -reach : -margin), edge(turned ? -reach : -margin),
                        edge(turned ? reach : w + margin), edge(turned ? reach : h + margin)};
        TRect area;
        if (!IntersectRect(area, all, visible)) return mask;
        const int originX = -area.Left, originY = -area.Top;
        QImage img(area.Width(), area.Height(), QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        {
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setRenderHint(QPainter::TextAntialiasing, false);
            p.setFont(f);
            p.setPen(Qt::black);
            p.translate(originX, originY);
            if (fontSpec.Orientation) p.rotate(-fontSpec.Orientation / 10.0);
            p.drawText(0, ascent, QS(text));
        }
        int left = img.width(), top = img.height(), right = -1, bottom = -1;
        for (int y = 0; y < img.height(); ++y) {
            const QRgb* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
            for (int x = 0; x < img.width(); ++x)
                if (qAlpha(row[x]) >= 128) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        }
        if (right < 0) return mask;
        mask.Width = right - left + 1;
        mask.Height = bottom - top + 1;
        mask.OriginX = left - originX;
        mask.OriginY = top - originY;
        mask.Bits.assign(size_t(mask.Width) * mask.Height, 0);
        for (int y = 0; y < mask.Height; ++y) {
            const QRgb* row = reinterpret_cast<const QRgb*>(img.constScanLine(top + y));
            for (int x = 0; x < mask.Width; ++x) mask.Bits[size_t(y) * mask.Width + x] = qAlpha(row[left + x]) >= 128;
        }
        return mask;
    }

    std::vector<String> Families() override
    {
        std::vector<String> out;
        for (const QString& family : QFontDatabase::families()) out.push_back(VS(family));
        return out;
    }

private:
    // The last text measured in pieces: the x after each of its characters and where each piece ends.
    struct TMeasured {
        TFontSpec Font;
        QString Text;
        std::vector<qreal> Xs;
        std::vector<qsizetype> Ends;
    };
    TMeasured FLast;
    std::mutex FLastLock;
    std::map<std::string, TFontMetrics> FMetrics;
    std::mutex FMetricsLock;

    static TFontMetrics MetricsOf(const TFontSpec& fontSpec)
    {
        const QFont f = ToQFont(fontSpec);
        QFontMetrics fm(f);
        TVertical v = Vertical(f);
        TFontMetrics m;
        m.Ascent = v.Ascent;
        m.Descent = v.Descent;
        m.Height = m.Ascent + m.Descent;
        m.InternalLeading = std::max(0, m.Height - f.pixelSize());
        m.ExternalLeading = std::max(0, fm.leading());
        m.AveCharWidth = fm.averageCharWidth();
        m.MaxCharWidth = fm.maxWidth();
        m.Weight = fontSpec.Style.Contains(TFontStyle::fsBold) ? 700 : 400;
        const QFontInfo info(f);
        m.FixedPitch = info.fixedPitch();
        m.TrueType = QFontDatabase::isSmoothlyScalable(info.family(), info.styleName());
        return m;
    }
};

}  // namespace

TFontEngine& QtFontEngine()
{
    static TQtFontEngine engine;
    return engine;
}

}  // namespace qtbackend
