#include "ui/ButtonWithColor.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QHash>
#include <QPaintEvent>
#include <QPainter>
#include <QShortcut>
#include <QTimer>
#include <QVariant>

#include <iterator>

// The kind bitmaps live in a static library; their resource block must be registered by hand.
static void InitButtonResources()
{
    Q_INIT_RESOURCE(ButtonWithColor);
}

int ModalResultToDialogCode(int modalResult)
{
    if (modalResult == mrOk)
        return QDialog::Accepted;
    if (modalResult == mrCancel)
        return QDialog::Rejected;
    return modalResult;
}

namespace {

// Delphi's clOlive: what a glyph's transparent colour is until a bitmap says otherwise.
const QColor kOlive(128, 128, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kGrey = qRgb(128, 128, 128);   // 8421504

TGlyphCache* g_glyphCache = nullptr;
int g_glyphObjects = 0;

std::function<void(int)>& HelpHandler()
{
    static std::function<void(int)> handler;
    return handler;
}

// A one-pixel outline covering the border pixels of r.
void FrameRect(QPainter& p, const QRect& r, const QColor& c)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), c);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), c);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), c);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), c);
}

// One ring of a three-dimensional edge: top and left lines in one colour, bottom and right in
// the other (the bottom-right lines own the corners they share).
void EdgeRing(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    p.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

// The dotted focus rectangle: every other pixel of the outline.
void DottedRect(QPainter& p, const QRect& r, const QColor& c)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    p.save();
    p.setPen(c);
    int step = 0;
    auto dot = [&](int x, int y) {
        if ((step++ & 1) == 0)
            p.drawPoint(x, y);
    };
    for (int x = r.left(); x < r.right(); ++x)
        dot(x, r.top());
    for (int y = r.top(); y < r.bottom(); ++y)
        dot(r.right(), y);
    for (int x = r.right(); x > r.left(); --x)
        dot(x, r.bottom());
    for (int y = r.bottom(); y > r.top(); --y)
        dot(r.left(), y);
    p.restore();
}

// Pixels dark enough to show in the engraved picture of a one-image glyph; light parts fade
// into the face, as they do on a monochrome copy.
bool IsInk(QRgb pixel)
{
    return qGray(pixel) < 192;
}

QRgb Over(QRgb pixel, const QColor& background)
{
    const int a = qAlpha(pixel);
    if (a == 255)
        return pixel | 0xff000000u;
    const int ia = 255 - a;
    return qRgb((qRed(pixel) * a + background.red() * ia) / 255,
                (qGreen(pixel) * a + background.green() * ia) / 255,
                (qBlue(pixel) * a + background.blue() * ia) / 255);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TGlyphList

TGlyphList::TGlyphList(int width, int height) : m_width(width), m_height(height) {}

int TGlyphList::Add(const QImage& image)
{
    int index = 0;
    while (index < m_used.size() && m_used.testBit(index))
        ++index;
    if (index == m_used.size()) {
        m_images.append(QImage());
        m_used.resize(index + 1);
    }
    m_images[index] = image;
    m_used.setBit(index);
    ++m_count;
    return index;
}

void TGlyphList::Delete(int index)
{
    if (index < 0 || index >= m_used.size() || !m_used.testBit(index))
        return;
    m_used.clearBit(index);
    m_images[index] = QImage();
    --m_count;
}

void TGlyphList::Draw(QPainter& painter, int index, QPoint at) const
{
    if (index < 0 || index >= m_used.size() || !m_used.testBit(index))
        return;
    painter.drawImage(at, m_images.at(index));
}

const QImage& TGlyphList::Image(int index) const
{
    static const QImage none;
    if (index < 0 || index >= m_images.size())
        return none;
    return m_images.at(index);
}

// ---------------------------------------------------------------------------------------------
// TGlyphCache

TGlyphCache::~TGlyphCache()
{
    qDeleteAll(m_lists);
}

TGlyphList* TGlyphCache::GetList(int width, int height)
{
    for (TGlyphList* list : m_lists)
        if (list->Width() == width && list->Height() == height)
            return list;
    auto* list = new TGlyphList(width, height);
    m_lists.append(list);
    return list;
}

void TGlyphCache::ReturnList(TGlyphList* list)
{
    if (!list || list->Count() != 0)
        return;
    if (m_lists.removeOne(list))
        delete list;
}

TGlyphCache* TGlyphCache::Instance()
{
    return g_glyphCache;
}

// ---------------------------------------------------------------------------------------------
// TButtonGlyph

TButtonGlyph::TButtonGlyph(std::function<void()> onChange)
    : m_transparentColor(kOlive), m_onChange(std::move(onChange))
{
    if (!g_glyphCache)
        g_glyphCache = new TGlyphCache;
    ++g_glyphObjects;
}

TButtonGlyph::~TButtonGlyph()
{
    Invalidate();
    --g_glyphObjects;
    if (g_glyphCache && g_glyphCache->Empty() && g_glyphObjects == 0) {
        delete g_glyphCache;
        g_glyphCache = nullptr;
    }
}

void TButtonGlyph::Invalidate()
{
    for (int& index : m_indexs) {
        if (index != -1 && m_glyphList)
            m_glyphList->Delete(index);
        index = -1;
    }
    if (g_glyphCache)
        g_glyphCache->ReturnList(m_glyphList);
    m_glyphList = nullptr;
}

void TButtonGlyph::SetGlyph(const QPixmap& glyph)
{
    Invalidate();
    m_original = glyph;
    m_source = glyph.isNull() ? QImage() : glyph.toImage().convertToFormat(QImage::Format_ARGB32);
    if (!m_source.isNull() && m_source.height() > 0) {
        // Like a bitmap's own transparent colour: its bottom-left pixel.
        m_transparentColor = QColor::fromRgba(m_source.pixel(0, m_source.height() - 1));
        if (m_source.width() % m_source.height() == 0) {
            int glyphs = m_source.width() / m_source.height();
            if (glyphs > 4)
                glyphs = 1;
            m_numGlyphs = glyphs;
        }
    }
    if (m_onChange)
        m_onChange();
}

void TButtonGlyph::SetNumGlyphs(int value)
{
    if (value > 4)
        value = 4;
    if (value <= 0 || value == m_numGlyphs)
        return;
    Invalidate();
    m_numGlyphs = value;
    if (m_onChange)
        m_onChange();
}

QSize TButtonGlyph::GlyphSize() const
{
    if (m_source.isNull() || m_source.width() / m_numGlyphs == 0)
        return QSize(0, 0);
    return QSize(m_source.width() / m_numGlyphs, m_source.height());
}

TGlyphLayout TButtonGlyph::CalcLayout(const QRect& client, QSize textSize, TButtonLayout layout, int margin,
                                      int spacing) const
{
    const QSize g = GlyphSize();
    const QSize t = textSize;
    const int w = client.width();
    const int h = client.height();
    const bool alongWidth = layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;

    QPoint glyphPos;
    QPoint textPos;
    if (alongWidth) {
        glyphPos.setY((h - g.height() + 1) / 2);
        textPos.setY((h - t.height() + 1) / 2);
    } else {
        glyphPos.setX((w - g.width() + 1) / 2);
        textPos.setX((w - t.width() + 1) / 2);
    }

    // Without glyph or caption there is nothing to keep apart.
    if (t.width() == 0 || g.width() == 0)
        spacing = 0;

    const int extent = alongWidth ? w : h;
    const int gl = alongWidth ? g.width() : g.height();
    const int tl = alongWidth ? t.width() : t.height();
    if (margin == -1) {
        if (spacing == -1) {
            margin = (extent - (gl + tl)) / 3;
            spacing = margin;
        } else {
            margin = (extent - (gl + spacing + tl)) / 2;
        }
    } else if (spacing == -1) {
        spacing = (extent - (margin + gl) - tl) / 2;
    }

    int glyphAt;
    int textAt;
    if (layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphTop) {
        glyphAt = margin;
        textAt = glyphAt + gl + spacing;
    } else {
        glyphAt = extent - margin - gl;
        textAt = glyphAt - spacing - tl;
    }
    if (alongWidth) {
        glyphPos.setX(glyphAt);
        textPos.setX(textAt);
    } else {
        glyphPos.setY(glyphAt);
        textPos.setY(textAt);
    }

    TGlyphLayout result;
    result.glyphPos = glyphPos + client.topLeft();
    result.textBounds = QRect(textPos + client.topLeft(), t);
    return result;
}

bool TButtonGlyph::IsTransparent(QRgb pixel) const
{
    if (qAlpha(pixel) == 0)
        return true;
    // A transparent colour that is itself see-through only masks by alpha.
    if (m_transparentColor.alpha() == 0)
        return false;
    return (pixel & 0x00ffffffu) == (m_transparentColor.rgb() & 0x00ffffffu);
}

QImage TButtonGlyph::MakeStateImage(TButtonState state, const QColor& background, const QPalette& palette) const
{
    const QSize g = GlyphSize();
    int part = static_cast<int>(state);
    if (part >= m_numGlyphs)
        part = 0;
    const int left = part * g.width();
    const QRgb bg = background.rgb() | 0xff000000u;

    QImage image(g, QImage::Format_ARGB32);
    image.fill(background);

    if (state == TButtonState::bsDisabled && m_numGlyphs == 1) {
        // Engraved: the mask of the picture stamped in the highlight colour one pixel right and
        // down, then in the shadow colour in place.
        const QRgb highlight = palette.color(QPalette::Light).rgb();
        const QRgb shadow = palette.color(QPalette::Dark).rgb();
        auto ink = [&](int x, int y) {
            if (x < 0 || y < 0 || x >= g.width() || y >= g.height())
                return false;
            const QRgb px = m_source.pixel(left + x, y);
            return !IsTransparent(px) && IsInk(Over(px, background));
        };
        for (int y = 0; y < g.height(); ++y)
            for (int x = 0; x < g.width(); ++x) {
                if (ink(x, y))
                    image.setPixel(x, y, shadow);
                else if (ink(x - 1, y - 1))
                    image.setPixel(x, y, highlight);
            }
        return image;
    }

    for (int y = 0; y < g.height(); ++y)
        for (int x = 0; x < g.width(); ++x) {
            const QRgb px = m_source.pixel(left + x, y);
            QRgb out;
            if (IsTransparent(px)) {
                out = state == TButtonState::bsExclusive ? qRgba(0, 0, 0, 0) : bg;
            } else if (state == TButtonState::bsDisabled) {
                const QRgb opaque = px | 0xff000000u;
                if (opaque == kWhite)
                    out = palette.color(QPalette::Light).rgb();
                else if (opaque == kGrey)
                    out = palette.color(QPalette::Dark).rgb();
                else
                    out = Over(px, background);
            } else if (state == TButtonState::bsExclusive) {
                out = px;
            } else {
                out = Over(px, background);
            }
            image.setPixel(x, y, out);
        }
    return image;
}

int TButtonGlyph::BuildStateGlyph(TButtonState state, const QColor& background, const QPalette& palette)
{
    if (state == TButtonState::bsDown && m_numGlyphs < 3)
        state = TButtonState::bsUp;
    int& index = m_indexs[static_cast<int>(state)];
    if (index != -1)
        return index;
    const QSize g = GlyphSize();
    if (g.isEmpty())
        return -1;
    if (!m_glyphList) {
        if (!g_glyphCache)
            g_glyphCache = new TGlyphCache;
        m_glyphList = g_glyphCache->GetList(g.width(), g.height());
    }
    index = m_glyphList->Add(MakeStateImage(state, background, palette));
    return index;
}

QRect TButtonGlyph::Draw(QPainter& painter, const QRect& client, const QString& caption, TButtonLayout layout,
                         int margin, int spacing, TButtonState state, const QColor& background,
                         const QPalette& palette)
{
    const int flags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
    const QSize textSize = caption.isEmpty() ? QSize(0, 0) : painter.fontMetrics().size(flags, caption);
    const TGlyphLayout placed = CalcLayout(client, textSize, layout, margin, spacing);

    const int index = BuildStateGlyph(state, background, palette);
    if (index != -1 && m_glyphList)
        m_glyphList->Draw(painter, index, placed.glyphPos);

    if (!caption.isEmpty()) {
        painter.save();
        painter.setBackgroundMode(Qt::TransparentMode);
        if (state == TButtonState::bsDisabled) {
            painter.setPen(QColor(kWhite));
            painter.drawText(placed.textBounds.translated(1, 1), flags, caption);
            painter.setPen(QColor(kGrey));
            painter.drawText(placed.textBounds, flags, caption);
        } else {
            painter.setPen(palette.color(QPalette::ButtonText));
            painter.drawText(placed.textBounds, flags, caption);
        }
        painter.restore();
    }
    return placed.textBounds;
}

// ---------------------------------------------------------------------------------------------
// TBitBtnWithColor

TBitBtnWithColor::TBitBtnWithColor(QWidget* parent) : QPushButton(parent)
{
    Init();
}

TBitBtnWithColor::TBitBtnWithColor(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    Init();
}

TBitBtnWithColor::~TBitBtnWithColor() = default;

void TBitBtnWithColor::Init()
{
    m_glyph = std::make_unique<TButtonGlyph>([this] {
        updateGeometry();
        update();
    });
    m_color = clBtnFace;
}

QColor TBitBtnWithColor::DelphiColorToQColor(int delphiBGR)
{
    const unsigned v = static_cast<unsigned>(delphiBGR);
    return QColor(v & 0xff, (v >> 8) & 0xff, (v >> 16) & 0xff);
}

QColor TBitBtnWithColor::FaceColor() const
{
    if (m_color == clBtnFace)
        return palette().color(QPalette::Button);
    return DelphiColorToQColor(m_color);
}

void TBitBtnWithColor::SetColor(int delphiBGR)
{
    if (delphiBGR == m_color)
        return;
    m_color = delphiBGR;
    // The state images carry the face colour as background: build them anew.
    m_glyph->Invalidate();
    update();
}

const QPixmap& TBitBtnWithColor::Glyph() const
{
    return m_glyph->Glyph();
}

void TBitBtnWithColor::SetGlyph(const QPixmap& glyph)
{
    m_glyph->SetGlyph(glyph);
    m_modifiedGlyph = true;
    update();
}

int TBitBtnWithColor::NumGlyphs() const
{
    return m_glyph->NumGlyphs();
}

void TBitBtnWithColor::SetNumGlyphs(int value)
{
    m_glyph->SetNumGlyphs(value);
}

TBitBtnKind TBitBtnWithColor::Kind()
{
    if (m_kind != TBitBtnKind::bkCustom) {
        const bool wantsDefault = m_kind == TBitBtnKind::bkOK || m_kind == TBitBtnKind::bkYes;
        const bool wantsCancel = m_kind == TBitBtnKind::bkCancel || m_kind == TBitBtnKind::bkNo;
        if (wantsDefault != m_default || wantsCancel != m_cancel || m_modalResult != KindModalResult(m_kind)
            || m_modifiedGlyph)
            m_kind = TBitBtnKind::bkCustom;
    }
    return m_kind;
}

void TBitBtnWithColor::SetKind(TBitBtnKind kind)
{
    // Compared with the kind the button really has now, so that setting a kind again after an
    // edit made it custom restores it.
    if (kind == Kind())
        return;
    if (kind != TBitBtnKind::bkCustom) {
        SetDefault(kind == TBitBtnKind::bkOK || kind == TBitBtnKind::bkYes);
        SetCancel(kind == TBitBtnKind::bkCancel || kind == TBitBtnKind::bkNo);
        setText(KindCaption(kind));
        m_modalResult = KindModalResult(kind);
        m_glyph->SetGlyph(KindGlyph(kind));
        m_glyph->SetNumGlyphs(2);
        m_modifiedGlyph = false;
    }
    m_kind = kind;
    update();
}

void TBitBtnWithColor::SetLayout(TButtonLayout layout)
{
    if (layout == m_layout)
        return;
    m_layout = layout;
    updateGeometry();
    update();
}

void TBitBtnWithColor::SetMargin(int margin)
{
    if (margin < -1 || margin == m_margin)
        return;
    m_margin = margin;
    update();
}

void TBitBtnWithColor::SetSpacing(int spacing)
{
    if (spacing == m_spacing)
        return;
    m_spacing = spacing;
    updateGeometry();
    update();
}

void TBitBtnWithColor::SetStyle(TButtonStyle style)
{
    if (style == m_style)
        return;
    m_style = style;
    update();
}

void TBitBtnWithColor::SetModalResult(int modalResult)
{
    m_modalResult = modalResult;
}

void TBitBtnWithColor::SetDefault(bool value)
{
    m_default = value;
    setDefault(value);
    // The default frame moves to whichever push button holds the focus; outside dialogs nothing
    // else tells the default button to repaint when that happens.
    if (value && !m_watchingFocus) {
        m_watchingFocus = true;
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget* from, QWidget* to) {
            if (isDefault() && ((from && from->window() == window()) || (to && to->window() == window())))
                update();
        });
    }
    update();
}

QSize TBitBtnWithColor::sizeHint() const
{
    QSize hint = QPushButton::sizeHint();
    const QSize g = m_glyph->GlyphSize();
    if (g.isEmpty())
        return hint;
    const int flags = Qt::TextSingleLine | Qt::TextShowMnemonic;
    const QSize t = text().isEmpty() ? QSize(0, 0) : fontMetrics().size(flags, text());
    const int gap = t.isEmpty() ? 0 : qMax(m_spacing, 4);
    const int frame = 2 * 6;   // default frame, raised edge, face border and some air
    const bool alongWidth = m_layout == TButtonLayout::blGlyphLeft || m_layout == TButtonLayout::blGlyphRight;
    const QSize content = alongWidth ? QSize(g.width() + gap + t.width(), qMax(g.height(), t.height()))
                                     : QSize(qMax(g.width(), t.width()), g.height() + gap + t.height());
    return hint.expandedTo(content + QSize(frame, frame));
}

void TBitBtnWithColor::SetCancel(bool value)
{
    m_cancel = value;
    if (value && !m_escape) {
        m_escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        connect(m_escape, &QShortcut::activated, this, &TBitBtnWithColor::EscapePressed);
    } else if (!value && m_escape) {
        delete m_escape;
        m_escape = nullptr;
    }
}

void TBitBtnWithColor::EscapePressed()
{
    if (m_cancel && isVisible() && isEnabled())
        click();
}

bool TBitBtnWithColor::DefaultFrame() const
{
    if (hasFocus())
        return true;
    if (!isDefault())
        return false;
    // While another push button of the window holds the focus, that one looks like the default.
    QWidget* focused = QApplication::focusWidget();
    return !(focused && focused != this && focused->window() == window() && qobject_cast<QPushButton*>(focused));
}

namespace {

// What each kind brings, in the order of TBitBtnKind: caption, modal result, bitmap resource.
struct TKindTraits {
    const char* Caption;
    int ModalResult;
    const char* Resource;
};

const TKindTraits kKinds[] = {
    {"", mrNone, nullptr},               // custom
    {"OK", mrOk, "BBCOK"},
    {"Cancel", mrCancel, "BBCCANCEL"},
    {"&Help", mrNone, "BBCHELP"},
    {"&Yes", mrYes, "BBCYES"},
    {"&No", mrNo, "BBCNO"},
    {"&Close", mrNone, "BBCCLOSE"},
    {"Abort", mrAbort, "BBCABORT"},
    {"&Retry", mrRetry, "BBCRETRY"},
    {"&Ignore", mrIgnore, "BBCIGNORE"},
    {"&All", mrAll, "BBCALL"},
};

const TKindTraits& Traits(TBitBtnKind kind)
{
    const auto k = static_cast<std::size_t>(kind);
    return kKinds[k < std::size(kKinds) ? k : 0];
}

}  // namespace

QString TBitBtnWithColor::KindCaption(TBitBtnKind kind)
{
    return QString::fromLatin1(Traits(kind).Caption);
}

int TBitBtnWithColor::KindModalResult(TBitBtnKind kind)
{
    return Traits(kind).ModalResult;
}

QPixmap TBitBtnWithColor::KindGlyph(TBitBtnKind kind)
{
    const char* resource = Traits(kind).Resource;
    if (!resource)
        return QPixmap();
    // Loaded once on first use and kept for the run; images, because pixmaps must not outlive
    // the application object.
    static QHash<int, QImage> loaded;
    const int k = static_cast<int>(kind);
    auto it = loaded.find(k);
    if (it == loaded.end()) {
        InitButtonResources();
        it = loaded.insert(k, QImage(QStringLiteral(":/buttons/") + QLatin1String(resource)));
    }
    return QPixmap::fromImage(*it);
}

void TBitBtnWithColor::SetHelpHandler(std::function<void(int)> handler)
{
    HelpHandler() = std::move(handler);
}

void TBitBtnWithColor::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPalette& pal = palette();
    const QRect client = rect();
    QRect r = client;
    const bool pressed = isDown();
    const bool focus = hasFocus();
    const bool defaultFrame = DefaultFrame();
    const TButtonState state = !isEnabled() ? TButtonState::bsDisabled
                               : pressed    ? TButtonState::bsDown
                                            : TButtonState::bsUp;
    const QColor face = FaceColor();

    if (defaultFrame || focus) {
        FrameRect(p, r, pal.color(QPalette::WindowText));
        r.adjust(1, 1, -1, -1);
    }
    if (!pressed) {
        EdgeRing(p, r, pal.color(QPalette::Midlight), pal.color(QPalette::Shadow));
        EdgeRing(p, r.adjusted(1, 1, -1, -1), pal.color(QPalette::Light), pal.color(QPalette::Dark));
        r.adjust(2, 2, -2, -2);
        p.fillRect(r, face);
    } else {
        p.fillRect(r, face);
        FrameRect(p, r, pal.color(QPalette::Dark));
    }
    r.adjust(1, 1, -1, -1);

    if (defaultFrame)
        r = client.adjusted(1, 1, -1, -1);

    p.setFont(font());
    if (pressed)
        r.translate(1, 1);

    m_glyph->Draw(p, r, text(), m_layout, m_margin, m_spacing, state, face, pal);

    if (defaultFrame)
        DottedRect(p, client.adjusted(4, 4, -4, -4), pal.color(QPalette::WindowText));
}

void TBitBtnWithColor::changeEvent(QEvent* event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange)
        update();
}

void TBitBtnWithColor::nextCheckState()
{
    // The signals of a swallowed click are over once the next click begins.
    if (m_suppressing) {
        m_suppressing = false;
        blockSignals(false);
    }
    if (Click())
        QPushButton::nextCheckState();
    else
        SuppressClickSignals();
}

bool TBitBtnWithColor::Click()
{
    const TBitBtnKind kind = Kind();
    if (kind == TBitBtnKind::bkHelp) {
        for (QWidget* w = this; w; w = w->parentWidget()) {
            bool ok = false;
            const int context = w->property("helpContext").toInt(&ok);
            if (ok && context != 0) {
                if (HelpHandler())
                    HelpHandler()(context);
                return false;
            }
        }
    } else if (kind == TBitBtnKind::bkClose) {
        QWidget* top = window();
        if (top && top != this) {
            top->close();
            return false;
        }
    }
    if (m_modalResult != mrNone)
        if (auto* dialog = qobject_cast<QDialog*>(window()))
            dialog->done(ModalResultToDialogCode(m_modalResult));
    return true;
}

void TBitBtnWithColor::SuppressClickSignals()
{
    // released() and clicked() follow at once on the same call path; block them, and let the
    // event loop (or the next click) lift the block.
    if (signalsBlocked())
        return;
    blockSignals(true);
    m_suppressing = true;
    QTimer::singleShot(0, this, [this] {
        if (m_suppressing) {
            m_suppressing = false;
            blockSignals(false);
        }
    });
}
