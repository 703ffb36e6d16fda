// The native controls on the toolkit: the tool bar and its buttons, the line edit and the memo
// behind the EM_* messages, and the date picker.
#include "platform/backend/qt/QtWindowSystem.h"

namespace qtbackend {

// A press on the arrow of a drop-down tool button goes to the tool bar's control as
// CN_NOTIFY TBN_DROPDOWN; the rest of the button runs its action as before.
class TDropDownArrow : public QObject {
public:
    TDropDownArrow(QToolButton* button, QToolBar* bar, TMenuItem* item) : QObject(button), FBar(bar), FItem(item) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        auto* button = qobject_cast<QToolButton*>(watched);
        if (!button || e->type() != QEvent::MouseButtonPress) return false;
        auto* me = static_cast<QMouseEvent*>(e);
        if (me->button() != Qt::LeftButton || !ArrowRect(button).contains(me->position().toPoint())) return false;
        TWindowHandle* h = FBar ? HandleOf(FBar) : nullptr;
        if (!h || !h->Control) return true;
        TWinControl* bar = h->Control;
        TNMToolBar info{{bar, 0, TBN_DROPDOWN}, FItem};
        TMessage m{CN_NOTIFY, 0, reinterpret_cast<std::intptr_t>(&info), 0};
        CallProtected(bar, [&] { bar->MainWndProc(m); });
        return true;
    }

private:
    static QRect ArrowRect(QToolButton* button)
    {
        QStyleOptionToolButton opt;
        opt.initFrom(button);
        opt.rect = button->rect();
        opt.subControls = QStyle::SC_ToolButton | QStyle::SC_ToolButtonMenu;
        opt.features = QStyleOptionToolButton::MenuButtonPopup;
        return button->style()->subControlRect(QStyle::CC_ToolButton, &opt, QStyle::SC_ToolButtonMenu, button);
    }
    QPointer<QToolBar> FBar;
    TMenuItem* FItem;
};

// The picture of one tool button: the button takes its action's icon again whenever the action
// changes, so the picture is put back after each change.
class TButtonPicture : public QObject {
public:
    TButtonPicture(QToolButton* button, const QIcon& icon) : QObject(button), FIcon(icon) { Apply(button); }
    void SetIcon(QToolButton* button, const QIcon& icon)
    {
        FIcon = icon;
        Apply(button);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        auto* button = qobject_cast<QToolButton*>(watched);
        if (!button || e->type() != QEvent::ActionChanged) return false;
        static_cast<QObject*>(button)->event(e);
        Apply(button);
        return true;
    }

private:
    void Apply(QToolButton* button)
    {
        button->setIcon(FIcon);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    QIcon FIcon;
};

// The pointer leaving a tool button takes the button's hint back: the application's hint is
// empty until the pointer rests on something else that has one.
class THintOnLeave : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Leave) MenuItemSelected(nullptr);
        return false;
    }
};

// The arrow and the picture of a tool button: the objects are the button's children and go
// with it; the table forgets the button when it goes.
TQtWindowSystem::TToolButtonParts& TQtWindowSystem::PartsOf(QToolButton* button)
{
    auto [it, added] = FToolButtonParts.try_emplace(button);
    if (added) QObject::connect(button, &QObject::destroyed, [this, button] { FToolButtonParts.erase(button); });
    return it->second;
}

void TQtWindowSystem::AddToolButton(TWindowHandle* toolBar, TMenuItem* item)
{
    if (auto* t = qobject_cast<QToolBar*>(toolBar->W)) {
        SyncItem(item);
        QAction* action = MenuData(item)->Action;
        t->addAction(action);
        if (QWidget* button = t->widgetForAction(action)) button->installEventFilter(new THintOnLeave(button));
    }
}

TRect TQtWindowSystem::ToolButtonRect(TWindowHandle* toolBar, TMenuItem* item)
{
    QWidget* b = ToolButton(toolBar, item);
    if (!b) return {};
    QRect r = b->geometry();
    return Rect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
}

bool TQtWindowSystem::ToolButtonEnabled(TWindowHandle* toolBar, TMenuItem* item)
{
    QWidget* b = ToolButton(toolBar, item);
    return b && b->isEnabled();
}

void TQtWindowSystem::SetToolButtonDropDown(TWindowHandle* toolBar, TMenuItem* item, bool dropDown)
{
    auto* button = qobject_cast<QToolButton*>(ToolButton(toolBar, item));
    if (!button) return;
    button->setPopupMode(dropDown ? QToolButton::MenuButtonPopup : QToolButton::DelayedPopup);
    TToolButtonParts& parts = PartsOf(button);
    if (dropDown && !parts.Arrow) {
        parts.Arrow = new TDropDownArrow(button, qobject_cast<QToolBar*>(toolBar->W), item);
        button->installEventFilter(parts.Arrow);
    }
    if (!dropDown && parts.Arrow) delete parts.Arrow;
    button->updateGeometry();
}

void TQtWindowSystem::SetToolButtonPicture(TWindowHandle* toolBar, TMenuItem* item, TBitmap* picture, TBitmap* disabledPicture)
{
    auto* button = qobject_cast<QToolButton*>(ToolButton(toolBar, item));
    if (!button) return;
    TToolButtonParts& parts = PartsOf(button);
    if (!picture) {
        delete parts.Picture;
        button->setIcon(button->defaultAction() ? button->defaultAction()->icon() : QIcon());
        button->setToolButtonStyle(qobject_cast<QToolBar*>(toolBar->W)->toolButtonStyle());
        return;
    }
    // Opaque pictures: the bitmap's pixels leave the alpha byte empty.
    const auto pixmap = [](TBitmap& b) { return QPixmap::fromImage(BitmapImage(b).convertToFormat(QImage::Format_ARGB32)); };
    QIcon icon(pixmap(*picture));
    icon.addPixmap(pixmap(*disabledPicture), QIcon::Disabled);
    // The buttons fit the pictures of the bar's list rather than the style's larger icon size.
    qobject_cast<QToolBar*>(toolBar->W)->setIconSize(QSize(picture->Width(), picture->Height()));
    if (parts.Picture) {
        parts.Picture->SetIcon(button, icon);
    } else {
        parts.Picture = new TButtonPicture(button, icon);
        button->installEventFilter(parts.Picture);
    }
}

// Memos count a line break as the two characters CR LF, as their text has them; the
// document has one.
int TQtWindowSystem::MemoPosToDoc(const QPlainTextEdit* m, int pos)
{
    const QString text = m->toPlainText();
    int doc = 0;
    for (int win = 0; doc < text.size() && win < pos; ++doc) win += text[doc] == u'\n' ? 2 : 1;
    return doc;
}

int TQtWindowSystem::MemoPosFromDoc(const QPlainTextEdit* m, int doc)
{
    const QString text = m->toPlainText();
    return doc + static_cast<int>(text.left(doc).count(u'\n'));
}

QString TQtWindowSystem::MemoText(const String& text)
{
    return QS(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void TQtWindowSystem::GetEditSel(TWindowHandle* h, Integer& start, Integer& end)
{
    if (auto* e = qobject_cast<QLineEdit*>(h->W)) {
        start = end = e->cursorPosition();
        if (e->hasSelectedText()) {
            start = e->selectionStart();
            end = e->selectionEnd();
        }
    } else if (auto* m = qobject_cast<QPlainTextEdit*>(h->W)) {
        const QTextCursor c = m->textCursor();
        start = MemoPosFromDoc(m, c.selectionStart());
        end = MemoPosFromDoc(m, c.selectionEnd());
    }
}

void TQtWindowSystem::SetEditSel(TWindowHandle* h, Integer start, Integer end)
{
    if (auto* e = qobject_cast<QLineEdit*>(h->W)) {
        const int length = static_cast<int>(e->text().size());
        if (end < 0 || end > length) end = length;
        start = std::clamp(start, 0, length);
        if (start == end) e->setCursorPosition(end);
        else e->setSelection(start, end - start);
    } else if (auto* m = qobject_cast<QPlainTextEdit*>(h->W)) {
        const int length = static_cast<int>(m->toPlainText().size());
        const int docEnd = end < 0 ? length : MemoPosToDoc(m, end);
        QTextCursor c = m->textCursor();
        c.setPosition(MemoPosToDoc(m, std::max(start, 0)));
        c.setPosition(docEnd, QTextCursor::KeepAnchor);
        m->setTextCursor(c);
    }
}

void TQtWindowSystem::ReplaceEditSel(TWindowHandle* h, const String& text)
{
    if (auto* e = qobject_cast<QLineEdit*>(h->W)) e->insert(QS(text));
    else if (auto* m = qobject_cast<QPlainTextEdit*>(h->W)) m->insertPlainText(MemoText(text));
}

bool TQtWindowSystem::EditModified(TWindowHandle* h)
{
    if (auto* e = qobject_cast<QLineEdit*>(h->W)) return e->isModified();
    if (auto* m = qobject_cast<QPlainTextEdit*>(h->W)) return m->document()->isModified();
    return false;
}

void TQtWindowSystem::SetEditModified(TWindowHandle* h, bool modified)
{
    if (auto* e = qobject_cast<QLineEdit*>(h->W)) e->setModified(modified);
    else if (auto* m = qobject_cast<QPlainTextEdit*>(h->W)) m->document()->setModified(modified);
}

void TQtWindowSystem::SetEditOptions(TWindowHandle* h, const TEditOptions& o)
{
    const QMargins margins(o.TextMargins.Left, o.TextMargins.Top, o.TextMargins.Right, o.TextMargins.Bottom);
    if (auto* e = qobject_cast<QLineEdit*>(h->W)) {
        // Changing the limit makes the line edit set its text again, which clears the modified flag.
        const int limit = o.MaxLength > 0 ? o.MaxLength : 32767;
        if (e->maxLength() != limit) {
            const bool modified = e->isModified();
            e->setMaxLength(limit);
            e->setModified(modified);
        }
        e->setReadOnly(o.ReadOnly);
        e->setFrame(o.Border);
        e->setEchoMode(o.PasswordChar ? QLineEdit::Password : QLineEdit::Normal);
        e->setStyleSheet(o.PasswordChar ? QStringLiteral("QLineEdit { lineedit-password-character: %1 }").arg(int(o.PasswordChar))
                                        : QString());
        e->setTextMargins(margins);
        const Qt::Alignment horizontal = o.Alignment == ES_RIGHT    ? Qt::AlignRight
                                         : o.Alignment == ES_CENTER ? Qt::AlignHCenter
                                                                    : Qt::AlignLeft;
        e->setAlignment(horizontal | Qt::AlignVCenter);
    } else if (auto* m = qobject_cast<QPlainTextEdit*>(h->W)) {
        m->setReadOnly(o.ReadOnly);
        m->setLineWrapMode(o.WordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        m->setHorizontalScrollBarPolicy(o.ScrollBars & 1 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        m->setVerticalScrollBarPolicy(o.ScrollBars & 2 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    }
}

// The FormatDateTime date patterns as the date edit's display format: day, month and year
// fields (any case), "/" as the date separator, quoted and other text as it is.
QString TQtWindowSystem::DisplayFormat(const String& format, int depth)
{
    const QString f = QS(format);
    QString out, literal;
    auto flush = [&] {
        if (literal.isEmpty()) return;
        out += u'\'' + QString(literal).replace(u'\'', QStringLiteral("''")) + u'\'';
        literal.clear();
    };
    for (qsizetype i = 0; i < f.size();) {
        const QChar c = f[i].toLower();
        qsizetype n = 1;
        while (i + n < f.size() && f[i + n].toLower() == c) ++n;
        if (c == u'"' || c == u'\'') {
            const qsizetype close = f.indexOf(f[i], i + 1);
            const qsizetype end = close < 0 ? f.size() : close;
            literal += f.mid(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (c == u'd' && n >= 5 && depth == 0) {
            flush();
            out += DisplayFormat(n == 5 ? FormatSettings.ShortDateFormat : FormatSettings.LongDateFormat, 1);
        } else if (c == u'd' || c == u'm') {
            flush();
            out += QString(std::min<qsizetype>(n, 4), c == u'd' ? u'd' : u'M');
        } else if (c == u'y') {
            flush();
            out += n <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
        } else if (c == u'/') {
            literal += QString(n, QChar(FormatSettings.DateSeparator));
        } else {
            literal += f.mid(i, n);
        }
        i += n;
    }
    flush();
    return out;
}

QDate TQtWindowSystem::DateEpoch() { return QDate(1899, 12, 30); }

void TQtWindowSystem::SetButtonDefault(TWindowHandle* h, bool isDefault)
{
    if (auto* b = qobject_cast<QPushButton*>(h->W)) b->setDefault(isDefault);
}

void TQtWindowSystem::SetButtonGlyph(TWindowHandle* h, TBitmap* picture, TBitmap* disabledPicture)
{
    auto* b = qobject_cast<QPushButton*>(h->W);
    if (!b) return;
    if (!picture) {
        b->setIcon(QIcon());
        return;
    }
    const auto pixmap = [](TBitmap& bmp) { return QPixmap::fromImage(BitmapImage(bmp).convertToFormat(QImage::Format_ARGB32)); };
    QIcon icon(pixmap(*picture));
    icon.addPixmap(pixmap(*disabledPicture), QIcon::Disabled);
    b->setIcon(icon);
    b->setIconSize(QSize(picture->Width(), picture->Height()));
}

void TQtWindowSystem::SetPickerDate(TWindowHandle* h, TDateTime date, const String& format)
{
    auto* d = qobject_cast<QDateEdit*>(h->W);
    if (!d) return;
    const QSignalBlocker quiet(d);   // the program's change is no user's change
    d->setDisplayFormat(DisplayFormat(format));
    d->setDate(DateEpoch().addDays(static_cast<qint64>(date)));
}

TDateTime TQtWindowSystem::PickerDate(TWindowHandle* h)
{
    auto* d = qobject_cast<QDateEdit*>(h->W);
    return d ? static_cast<TDateTime>(DateEpoch().daysTo(d->date())) : 0;
}

QWidget* TQtWindowSystem::ToolButton(TWindowHandle* toolBar, TMenuItem* item)
{
    auto* t = qobject_cast<QToolBar*>(toolBar->W);
    auto* d = MenuData(item);
    if (!t || !d || !d->Action) return nullptr;
    if (t->layout()) t->layout()->activate();
    return t->widgetForAction(d->Action);
}

}  // namespace qtbackend
