#include "ui/ButtonWithColor.h"

#include <QPainter>
#include <QShortcut>

int ModalResultToDialogCode(int modalResult)
{
    if (modalResult == mrOk)
        return 1;
    if (modalResult == mrCancel)
        return 0;
    return modalResult;
}

TGlyphList::TGlyphList(int width, int height) : m_width(width), m_height(height) {}
int TGlyphList::Add(const QImage& image)
{
    m_images.append(image);
    m_used.resize(m_images.size());
    m_used.setBit(m_images.size() - 1);
    ++m_count;
    return static_cast<int>(m_images.size()) - 1;
}
void TGlyphList::Delete(int) {}
void TGlyphList::Draw(QPainter&, int, QPoint) const {}
const QImage& TGlyphList::Image(int index) const { return m_images.at(index); }

TGlyphCache::~TGlyphCache() { qDeleteAll(m_lists); }
TGlyphList* TGlyphCache::GetList(int width, int height)
{
    auto* list = new TGlyphList(width, height);
    m_lists.append(list);
    return list;
}
void TGlyphCache::ReturnList(TGlyphList*) {}
TGlyphCache* TGlyphCache::Instance() { return nullptr; }

TButtonGlyph::TButtonGlyph(std::function<void()> onChange) : m_onChange(std::move(onChange)) {}
TButtonGlyph::~TButtonGlyph() = default;
void TButtonGlyph::SetGlyph(const QPixmap& glyph) { m_original = glyph; }
void TButtonGlyph::SetNumGlyphs(int value) { m_numGlyphs = value; }
void TButtonGlyph::Invalidate() {}
QSize TButtonGlyph::GlyphSize() const { return {}; }
TGlyphLayout TButtonGlyph::CalcLayout(const QRect&, QSize, TButtonLayout, int, int) const { return {}; }
QRect TButtonGlyph::Draw(QPainter&, const QRect&, const QString&, TButtonLayout, int, int, TButtonState,
                         const QColor&, const QPalette&)
{
    return {};
}
int TButtonGlyph::BuildStateGlyph(TButtonState, const QColor&, const QPalette&) { return -1; }
QImage TButtonGlyph::MakeStateImage(TButtonState, const QColor&, const QPalette&) const { return {}; }
bool TButtonGlyph::IsTransparent(QRgb) const { return false; }

TBitBtnWithColor::TBitBtnWithColor(QWidget* parent) : QPushButton(parent) { Init(); }
TBitBtnWithColor::TBitBtnWithColor(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    Init();
}
TBitBtnWithColor::~TBitBtnWithColor() = default;
void TBitBtnWithColor::Init()
{
    m_glyph = std::make_unique<TButtonGlyph>([this] { update(); });
    m_color = 15790320;
}
void TBitBtnWithColor::SetColor(int delphiBGR) { m_color = delphiBGR; update(); }
QColor TBitBtnWithColor::FaceColor() const { return DelphiColorToQColor(m_color); }
QColor TBitBtnWithColor::DelphiColorToQColor(int c) { return QColor(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff); }
const QPixmap& TBitBtnWithColor::Glyph() const { return m_glyph->Glyph(); }
void TBitBtnWithColor::SetGlyph(const QPixmap& glyph) { m_glyph->SetGlyph(glyph); update(); }
int TBitBtnWithColor::NumGlyphs() const { return m_glyph->NumGlyphs(); }
void TBitBtnWithColor::SetNumGlyphs(int value) { m_glyph->SetNumGlyphs(value); }
TBitBtnKind TBitBtnWithColor::Kind() { return m_kind; }
void TBitBtnWithColor::SetKind(TBitBtnKind kind) { m_kind = kind; }
void TBitBtnWithColor::SetLayout(TButtonLayout layout) { m_layout = layout; }
void TBitBtnWithColor::SetMargin(int margin) { m_margin = margin; }
void TBitBtnWithColor::SetSpacing(int spacing) { m_spacing = spacing; }
void TBitBtnWithColor::SetStyle(TButtonStyle style) { m_style = style; }
void TBitBtnWithColor::SetModalResult(int modalResult) { m_modalResult = modalResult; }
void TBitBtnWithColor::SetDefault(bool value) { setDefault(value); }
void TBitBtnWithColor::SetCancel(bool value) { m_cancel = value; }
bool TBitBtnWithColor::DefaultFrame() const { return isDefault() || hasFocus(); }
QString TBitBtnWithColor::KindCaption(TBitBtnKind) { return {}; }
int TBitBtnWithColor::KindModalResult(TBitBtnKind) { return mrNone; }
QPixmap TBitBtnWithColor::KindGlyph(TBitBtnKind) { return {}; }
void TBitBtnWithColor::SetHelpHandler(std::function<void(int)>) {}
void TBitBtnWithColor::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), FaceColor());
    p.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}
void TBitBtnWithColor::changeEvent(QEvent* event) { QPushButton::changeEvent(event); }
void TBitBtnWithColor::nextCheckState() { QPushButton::nextCheckState(); }
bool TBitBtnWithColor::Click() { return true; }
void TBitBtnWithColor::SuppressClickSignals() {}
void TBitBtnWithColor::EscapePressed() {}
