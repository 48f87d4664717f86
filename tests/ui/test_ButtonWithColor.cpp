// The colour push button: what it paints (on offscreen grabs), its property rules, its kinds
// and what a click does.
#include "ui/ButtonWithColor.h"

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

const int kWindowColor = 13806739;   // what the windows set: RGB 147, 172, 210
const QColor kOlive(128, 128, 0);

// A strip of equal square images on olive (the transparent colour, bottom-left pixel); each
// image holds a filled square of its colour in the middle, half the image wide.
QPixmap Strip(const QList<QColor>& parts, int size = 16)
{
    QImage image(size * static_cast<int>(parts.size()), size, QImage::Format_RGB32);
    image.fill(kOlive);
    QPainter p(&image);
    for (int i = 0; i < parts.size(); ++i)
        p.fillRect(i * size + size / 4, size / 4, size / 2, size / 2, parts[i]);
    p.end();
    return QPixmap::fromImage(image);
}

QImage Grab(QWidget& w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Bounding box of the pixels within area that satisfy the predicate.
QRect Box(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& pred)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (pred(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

int Count(const QImage& image, const QRect& area, QRgb colour)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((image.pixel(x, y) | 0xff000000u) == (colour | 0xff000000u))
                ++n;
    return n;
}

QRgb Rgb(const QColor& c)
{
    return c.rgb() | 0xff000000u;
}

class ButtonPaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        button = std::make_unique<TBitBtnWithColor>(QStringLiteral("HIL"));
        button->resize(120, 32);
        button->SetColor(kWindowColor);
    }
    QRect Inner() const { return button->rect().adjusted(3, 3, -4, -4); }
    std::unique_ptr<TBitBtnWithColor> button;
};

}  // namespace

TEST_F(ButtonPaint, FaceIsPaintedInTheButtonColour)
{
    const QImage img = Grab(*button);
    // A face pixel clear of the frame and the centred content.
    EXPECT_EQ(img.pixel(6, 6), qRgb(147, 172, 210));
    EXPECT_EQ(img.pixel(button->width() - 7, button->height() - 7), qRgb(147, 172, 210));

    // A button left at the system face colour follows the palette.
    TBitBtnWithColor plain(QStringLiteral("HIL"));
    plain.resize(120, 32);
    EXPECT_EQ(Grab(plain).pixel(6, 6), Rgb(plain.palette().color(QPalette::Button)));
}

TEST_F(ButtonPaint, PressedMovesContentAndTurnsFrameToShadow)
{
    button->SetGlyph(Strip({Qt::red, Qt::blue}));
    const QRgb face = qRgb(147, 172, 210);
    const QImage up = Grab(*button);
    button->setDown(true);
    const QImage down = Grab(*button);

    const QRgb shadow = Rgb(button->palette().color(QPalette::Dark));
    EXPECT_NE(up.pixel(0, 0), shadow);
    EXPECT_EQ(down.pixel(0, 0), shadow);
    EXPECT_EQ(down.pixel(button->width() - 1, button->height() - 1), shadow);
    EXPECT_EQ(down.pixel(1, 1), face);   // the face reaches the one-pixel frame

    auto notFace = [&](QRgb px) { return (px | 0xff000000u) != face; };
    auto red = [](QRgb px) { return (px | 0xff000000u) == qRgb(255, 0, 0); };
    const QRect upContent = Box(up, Inner(), notFace);
    ASSERT_TRUE(upContent.isValid());
    EXPECT_EQ(Box(down, Inner(), notFace), upContent.translated(1, 1));
    EXPECT_EQ(Box(down, Inner(), red), Box(up, Inner(), red).translated(1, 1));
}

TEST_F(ButtonPaint, GlyphAndCaptionAreCentredTogetherFourPixelsApart)
{
    button->SetGlyph(Strip({Qt::red, Qt::blue}));
    const QImage img = Grab(*button);
    const QRgb face = qRgb(147, 172, 210);
    // The glyph image spans 16 pixels: olive replaced by the face, the red square in its middle.
    const QRect red = Box(img, Inner(), [](QRgb px) { return (px | 0xff000000u) == qRgb(255, 0, 0); });
    ASSERT_EQ(red.size(), QSize(8, 8));
    const int glyphLeft = red.left() - 4;
    const QRect text = Box(img, QRect(red.right() + 5, 3, 100, 26).intersected(Inner()),
                           [&](QRgb px) { return (px | 0xff000000u) != face; });
    ASSERT_TRUE(text.isValid());
    // Caption starts at glyph + 16 + spacing 4 (its first pixel may sit a little inside its box).
    EXPECT_GE(text.left(), glyphLeft + 16 + 4);
    EXPECT_LE(text.left(), glyphLeft + 16 + 4 + 2);
    // Both together are centred: equal room left and right, within the rounding and the ink.
    const int leftRoom = glyphLeft - 3;
    const int rightRoom = Inner().right() - text.right();
    EXPECT_LE(std::abs(leftRoom - rightRoom), 4);
    // Olive never reaches the screen.
    EXPECT_EQ(Count(img, img.rect(), Rgb(kOlive)), 0);
}

TEST_F(ButtonPaint, DisabledShowsEngravedGlyphAndCaption)
{
    button->SetGlyph(Strip({Qt::red}));
    ASSERT_EQ(button->NumGlyphs(), 1);
    const QImage enabled = Grab(*button);
    const QRect redBox = Box(enabled, Inner(), [](QRgb px) { return (px | 0xff000000u) == qRgb(255, 0, 0); });
    ASSERT_EQ(redBox.size(), QSize(8, 8));
    const QRgb text = Rgb(button->palette().color(QPalette::ButtonText));
    const QRect captionArea(redBox.right() + 5, 3, Inner().right() - redBox.right() - 5, Inner().height());
    EXPECT_GT(Count(enabled, captionArea, text), 0);

    button->setEnabled(false);
    const QImage disabled = Grab(*button);
    const QRgb highlight = Rgb(button->palette().color(QPalette::Light));
    const QRgb shadow = Rgb(button->palette().color(QPalette::Dark));
    EXPECT_EQ(Count(disabled, disabled.rect(), qRgb(255, 0, 0)), 0);
    // The square in the shadow colour, its highlight copy one pixel right and down.
    EXPECT_EQ(disabled.pixel(redBox.topLeft()), shadow);
    EXPECT_EQ(disabled.pixel(redBox.bottomRight()), shadow);
    EXPECT_EQ(disabled.pixel(redBox.bottomRight() + QPoint(1, 1)), highlight);
    EXPECT_EQ(disabled.pixel(redBox.topLeft() - QPoint(1, 1)), qRgb(147, 172, 210));

    // Caption: grey over white, no ordinary text colour left.
    EXPECT_GT(Count(disabled, captionArea, qRgb(128, 128, 128)), 0);
    EXPECT_GT(Count(disabled, captionArea, qRgb(255, 255, 255)), 0);
    if (text != qRgb(128, 128, 128) && text != qRgb(255, 255, 255))
        EXPECT_EQ(Count(disabled, captionArea, text), 0);
}

TEST_F(ButtonPaint, DisabledWithItsOwnImageShowsTheSecondImage)
{
    button->SetGlyph(Strip({Qt::red, Qt::blue}));
    button->setEnabled(false);
    const QImage img = Grab(*button);
    EXPECT_EQ(Count(img, Inner(), qRgb(255, 0, 0)), 0);
    EXPECT_EQ(Count(img, Inner(), qRgb(0, 0, 255)), 64);
}

TEST_F(ButtonPaint, ColourChangeRepaintsFaceAndGlyphBackground)
{
    button->SetGlyph(Strip({Qt::red, Qt::blue}));
    const QImage before = Grab(*button);
    const QRect red = Box(before, Inner(), [](QRgb px) { return (px | 0xff000000u) == qRgb(255, 0, 0); });
    ASSERT_TRUE(red.isValid());

    button->SetColor(0x00FF00);   // Delphi BGR: pure green
    const QImage after = Grab(*button);
    EXPECT_EQ(after.pixel(6, 6), qRgb(0, 255, 0));
    // The glyph's own background (olive in the bitmap, the old face before) is the new face.
    EXPECT_EQ(after.pixel(red.topLeft() - QPoint(2, 2)), qRgb(0, 255, 0));
    EXPECT_EQ(Count(after, after.rect(), qRgb(147, 172, 210)), 0);
    EXPECT_EQ(Count(after, Inner(), qRgb(255, 0, 0)), 64);
}

TEST_F(ButtonPaint, DefaultButtonDrawsFrameAndDottedFocusRectangle)
{
    const QRgb frame = Rgb(button->palette().color(QPalette::WindowText));
    const QImage plain = Grab(*button);
    button->SetDefault(true);
    ASSERT_TRUE(button->DefaultFrame());
    const QImage def = Grab(*button);
    EXPECT_EQ(def.pixel(0, 0), frame);
    EXPECT_EQ(def.pixel(60, button->height() - 1), frame);
    // Dotted: every other pixel along the rectangle shrunk by 4.
    const int dotted = Count(def, QRect(4, 4, 112, 1), frame);
    EXPECT_GE(dotted, 50);
    EXPECT_LE(dotted, 60);
    EXPECT_EQ(Count(plain, QRect(4, 4, 112, 1), frame), 0);
}

TEST(ButtonSize, HintMakesRoomForTheGlyph)
{
    TBitBtnWithColor plain(QStringLiteral("Apply Config"));
    TBitBtnWithColor left(QStringLiteral("Apply Config"));
    left.SetGlyph(Strip({Qt::red}, 40));
    EXPECT_GE(left.sizeHint().width(), plain.fontMetrics().horizontalAdvance("Apply Config") + 40 + 4);
    EXPECT_GE(left.sizeHint().height(), 40);
    TBitBtnWithColor top(QStringLiteral("Apply Config"));
    top.SetGlyph(Strip({Qt::red}, 40));
    top.SetLayout(TButtonLayout::blGlyphTop);
    EXPECT_GE(top.sizeHint().height(), 40 + 4 + plain.fontMetrics().height());
    EXPECT_LT(top.sizeHint().width(), left.sizeHint().width());
}

// ---------------------------------------------------------------------------------------------

TEST(ButtonLayout, PlacesGlyphAndCaption)
{
    struct Case {
        const char* name;
        QRect client;
        QSize glyphStrip;   // empty: no glyph
        QSize text;
        TButtonLayout layout;
        int margin, spacing;
        QPoint glyphAt;
        QPoint textAt;
    };
    const auto L = TButtonLayout::blGlyphLeft, R = TButtonLayout::blGlyphRight, T = TButtonLayout::blGlyphTop,
               B = TButtonLayout::blGlyphBottom;
    const Case cases[] = {
        // 100 wide, glyph 16, text 20: (100 - 36) / 3 = 21 everywhere.
        {"spread evenly", {0, 0, 100, 30}, {16, 16}, {20, 10}, L, -1, -1, {21, 7}, {58, 10}},
        // (100 - 40) / 2 = 30 on each side, 4 between.
        {"centred together", {0, 0, 100, 30}, {16, 16}, {20, 10}, L, -1, 4, {30, 7}, {50, 10}},
        // Margin 5: spacing (100 - 21 - 20) / 2 = 29 spreads the rest evenly.
        {"margin given, spacing spread", {0, 0, 100, 30}, {16, 16}, {20, 10}, L, 5, -1, {5, 7}, {50, 10}},
        {"both given", {0, 0, 100, 30}, {16, 16}, {20, 10}, L, 5, 4, {5, 7}, {25, 10}},
        {"glyph right", {0, 0, 100, 30}, {16, 16}, {20, 10}, R, 5, 4, {79, 7}, {55, 10}},
        {"glyph top", {0, 0, 60, 80}, {16, 16}, {20, 10}, T, -1, 4, {22, 25}, {20, 45}},
        {"glyph bottom", {0, 0, 60, 80}, {16, 16}, {20, 10}, B, 5, 4, {22, 59}, {20, 45}},
        // Without a glyph the spacing does not count: the caption alone is centred.
        {"caption only", {0, 0, 100, 30}, {}, {20, 10}, L, -1, 4, {40, 15}, {40, 10}},
        // Odd room rounds the same way as the centring on the other axis.
        {"offset client", {3, 2, 101, 31}, {32, 16}, {20, 11}, L, -1, 4, {3 + 30, 2 + 8}, {3 + 50, 2 + 10}},
        // Negative room does not wrap: the pair overflows both sides evenly.
        {"too narrow", {0, 0, 20, 30}, {16, 16}, {20, 10}, L, -1, 4, {-10, 7}, {10, 10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TButtonGlyph glyph;
        if (!c.glyphStrip.isEmpty()) {
            QPixmap pm(c.glyphStrip);
            pm.fill(Qt::red);
            glyph.SetGlyph(pm);
            if (c.glyphStrip.width() == 32)
                glyph.SetNumGlyphs(2);
        }
        const TGlyphLayout got = glyph.CalcLayout(c.client, c.text, c.layout, c.margin, c.spacing);
        EXPECT_EQ(got.glyphPos, c.glyphAt);
        EXPECT_EQ(got.textBounds, QRect(c.textAt, c.text));
    }
}

TEST(ButtonProperties, SetterRules)
{
    struct Case {
        const char* name;
        std::function<void(TBitBtnWithColor&)> act;
        std::function<int(TBitBtnWithColor&)> read;
        int expected;
    };
    auto numGlyphs = [](TBitBtnWithColor& b) { return b.NumGlyphs(); };
    auto margin = [](TBitBtnWithColor& b) { return b.Margin(); };
    auto glyphOf = [](int w, int h) {
        QPixmap pm(w, h);
        pm.fill(Qt::red);
        return pm;
    };
    const Case cases[] = {
        {"margin -2 leaves it", [](auto& b) { b.SetMargin(3); b.SetMargin(-2); }, margin, 3},
        {"margin -1 is taken", [](auto& b) { b.SetMargin(3); b.SetMargin(-1); }, margin, -1},
        {"margin starts centred", [](auto&) {}, margin, -1},
        {"spacing starts at 4", [](auto&) {}, [](auto& b) { return b.Spacing(); }, 4},
        {"spacing -1 is taken", [](auto& b) { b.SetSpacing(-1); }, [](auto& b) { return b.Spacing(); }, -1},
        {"numglyphs 7 gives 4", [](auto& b) { b.SetNumGlyphs(7); }, numGlyphs, 4},
        {"numglyphs 0 is ignored", [](auto& b) { b.SetNumGlyphs(3); b.SetNumGlyphs(0); }, numGlyphs, 3},
        {"numglyphs -3 is ignored", [](auto& b) { b.SetNumGlyphs(2); b.SetNumGlyphs(-3); }, numGlyphs, 2},
        {"64 x 16 glyph gives 4", [&](auto& b) { b.SetGlyph(glyphOf(64, 16)); }, numGlyphs, 4},
        {"80 x 16 glyph gives 1", [&](auto& b) { b.SetNumGlyphs(3); b.SetGlyph(glyphOf(80, 16)); }, numGlyphs, 1},
        {"32 x 16 glyph gives 2", [&](auto& b) { b.SetGlyph(glyphOf(32, 16)); }, numGlyphs, 2},
        {"40 x 16 glyph keeps the count", [&](auto& b) { b.SetNumGlyphs(3); b.SetGlyph(glyphOf(40, 16)); },
         numGlyphs, 3},
        {"colour change keeps the count",
         [&](auto& b) { b.SetGlyph(glyphOf(32, 16)); b.SetNumGlyphs(1); b.SetColor(255); }, numGlyphs, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TBitBtnWithColor b;
        c.act(b);
        EXPECT_EQ(c.read(b), c.expected);
    }
}

TEST(ButtonGlyph, StateImagesComeFromTheRightStripPart)
{
    const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0), blue = qRgb(0, 0, 255), yellow = qRgb(255, 255, 0);
    const QColor face(147, 172, 210);
    QPalette pal;
    struct Case {
        int numGlyphs;
        TButtonState state;
        QRgb centre;
    };
    const Case cases[] = {
        {4, TButtonState::bsUp, red},      {4, TButtonState::bsDisabled, green},
        {4, TButtonState::bsDown, blue},   {4, TButtonState::bsExclusive, yellow},
        {2, TButtonState::bsDown, red},    {2, TButtonState::bsExclusive, red},
        {3, TButtonState::bsDown, blue},   {2, TButtonState::bsDisabled, green},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.numGlyphs << " images, state " << static_cast<int>(c.state));
        TButtonGlyph glyph;
        const QList<QColor> all = {QColor(red), QColor(green), QColor(blue), QColor(yellow)};
        glyph.SetGlyph(Strip(all.mid(0, c.numGlyphs)));
        ASSERT_EQ(glyph.NumGlyphs(), c.numGlyphs);
        const int index = glyph.BuildStateGlyph(c.state, face, pal);
        ASSERT_GE(index, 0);
        const QImage& img = glyph.List()->Image(index);
        ASSERT_EQ(img.size(), QSize(16, 16));
        EXPECT_EQ(img.pixel(8, 8) | 0xff000000u, c.centre);
        // Only the exclusive image is see-through; the others stand on the face colour.
        if (c.state == TButtonState::bsExclusive)
            EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0);
        else
            EXPECT_EQ(img.pixel(0, 0), face.rgb());
    }
}

TEST(ButtonGlyph, OwnDisabledImageMapsWhiteAndGreyToHighlightAndShadow)
{
    QImage strip(32, 16, QImage::Format_RGB32);
    strip.fill(kOlive);
    {
        QPainter p(&strip);
        p.fillRect(16 + 2, 2, 4, 4, Qt::white);
        p.fillRect(16 + 8, 8, 4, 4, QColor(128, 128, 128));
        p.fillRect(16 + 2, 10, 3, 3, Qt::magenta);
    }
    TButtonGlyph glyph;
    glyph.SetGlyph(QPixmap::fromImage(strip));
    QPalette pal;
    pal.setColor(QPalette::Light, QColor(1, 2, 3));
    pal.setColor(QPalette::Dark, QColor(4, 5, 6));
    const int index = glyph.BuildStateGlyph(TButtonState::bsDisabled, QColor(10, 20, 30), pal);
    const QImage& d = glyph.List()->Image(index);
    EXPECT_EQ(d.pixel(3, 3), qRgb(1, 2, 3));
    EXPECT_EQ(d.pixel(9, 9), qRgb(4, 5, 6));
    EXPECT_EQ(d.pixel(3, 11), qRgb(255, 0, 255));
    EXPECT_EQ(d.pixel(0, 15), qRgb(10, 20, 30));
}

TEST(GlyphCache, ButtonsOfOneGlyphSizeShareAListAndFreeTheirSlots)
{
    const QPixmap strip = Strip({Qt::red, Qt::blue});
    auto a = std::make_unique<TBitBtnWithColor>(QStringLiteral("A"));
    auto b = std::make_unique<TBitBtnWithColor>(QStringLiteral("B"));
    auto other = std::make_unique<TBitBtnWithColor>(QStringLiteral("C"));
    for (auto* btn : {a.get(), b.get(), other.get()})
        btn->resize(80, 30);
    a->SetGlyph(strip);
    b->SetGlyph(strip);
    other->SetGlyph(Strip({Qt::red}, 20));
    Grab(*a);
    Grab(*b);
    Grab(*other);
    TGlyphCache* cache = TGlyphCache::Instance();
    ASSERT_NE(cache, nullptr);
    ASSERT_EQ(a->GlyphObject().List(), b->GlyphObject().List());
    TGlyphList* shared = a->GlyphObject().List();
    EXPECT_NE(other->GlyphObject().List(), shared);
    EXPECT_EQ(cache->ListCount(), 2);
    EXPECT_EQ(shared->Count(), 2);

    // The disabled images join the list; a new glyph frees the button's slots for reuse.
    a->setEnabled(false);
    Grab(*a);
    EXPECT_EQ(shared->Count(), 3);
    a->SetGlyph(strip);
    EXPECT_EQ(shared->Count(), 1);
    Grab(*a);
    EXPECT_EQ(shared->Count(), 2);
    EXPECT_EQ(shared->Capacity(), 3);

    // A list nobody uses any more leaves the cache; the cache goes with the last button.
    other.reset();
    EXPECT_EQ(cache->ListCount(), 1);
    a.reset();
    b.reset();
    EXPECT_EQ(TGlyphCache::Instance(), nullptr);
}

// ---------------------------------------------------------------------------------------------

namespace {

void MouseClick(QWidget& w, int times = 1)
{
    const QPointF at(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, at, w.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, at, w.mapToGlobal(at), Qt::LeftButton, Qt::NoButton, {});
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, w.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(&w, &press);
    QApplication::sendEvent(&w, &release);
    for (int i = 1; i < times; ++i) {
        QApplication::sendEvent(&w, &dbl);
        QApplication::sendEvent(&w, &release);
    }
}

void SpaceKey(QWidget& w)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(&w, &press);
    QApplication::sendEvent(&w, &release);
}

struct ClickPath {
    const char* name;
    std::function<void(TBitBtnWithColor&)> click;
};

const ClickPath kClickPaths[] = {
    {"click()", [](TBitBtnWithColor& b) { b.click(); }},
    {"mouse", [](TBitBtnWithColor& b) { MouseClick(b); }},
    {"space key", [](TBitBtnWithColor& b) { SpaceKey(b); }},
};

}  // namespace

TEST(ButtonClick, KindCloseClosesTheWindowWithoutTheClickEvent)
{
    for (const ClickPath& path : kClickPaths) {
        SCOPED_TRACE(path.name);
        QWidget window;
        auto* button = new TBitBtnWithColor(QStringLiteral("Bye"), &window);
        button->SetKind(TBitBtnKind::bkClose);
        int clicks = 0;
        QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
        window.show();
        path.click(*button);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(clicks, 0);

        // Made custom again, the very same button clicks normally at once.
        window.show();
        button->SetKind(TBitBtnKind::bkCustom);
        path.click(*button);
        EXPECT_EQ(clicks, 1);
        EXPECT_TRUE(window.isVisible());
    }
}

TEST(ButtonClick, KindHelpRunsTheNormalClickWithoutHelpContext)
{
    int opened = -1;
    TBitBtnWithColor::SetHelpHandler([&](int context) { opened = context; });
    QWidget window;
    auto* panel = new QWidget(&window);
    auto* button = new TBitBtnWithColor(panel);
    button->SetKind(TBitBtnKind::bkHelp);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });

    button->click();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(opened, -1);

    // With a help context on a parent, the help opens there and nothing else happens.
    window.setProperty("helpContext", 12);
    panel->setProperty("helpContext", 0);
    button->click();
    EXPECT_EQ(opened, 12);
    EXPECT_EQ(clicks, 1);
    TBitBtnWithColor::SetHelpHandler({});
}

TEST(ButtonClick, QuickClicksEachCount)
{
    TBitBtnWithColor button(QStringLiteral("Go"));
    button.resize(60, 24);
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] { ++clicks; });
    MouseClick(button, 3);
    EXPECT_EQ(clicks, 3);
}

TEST(ButtonClick, ModalResultFinishesTheDialog)
{
    struct Case {
        int modalResult;
        int dialogResult;
    };
    const Case cases[] = {{mrOk, QDialog::Accepted}, {mrCancel, QDialog::Rejected}, {mrYes, 6},
                          {mrNo, 7},                 {mrAbort, 3},                  {mrAll, 8}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.modalResult);
        QDialog dialog;
        dialog.setResult(-1);
        auto* button = new TBitBtnWithColor(QStringLiteral("X"), &dialog);
        button->SetModalResult(c.modalResult);
        int clicks = 0;
        QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
        dialog.show();
        button->click();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), c.dialogResult);
        EXPECT_EQ(clicks, 1);
    }
    // No modal result: the dialog stays.
    QDialog dialog;
    auto* button = new TBitBtnWithColor(QStringLiteral("X"), &dialog);
    dialog.show();
    button->click();
    EXPECT_TRUE(dialog.isVisible());
}

TEST(ButtonClick, EscapeClicksTheCancelButton)
{
    QDialog dialog;
    auto* ok = new TBitBtnWithColor(QStringLiteral("OK"), &dialog);
    auto* cancel = new TBitBtnWithColor(QStringLiteral("Cancel"), &dialog);
    int cancelClicks = 0;
    QObject::connect(cancel, &QPushButton::clicked, [&] { ++cancelClicks; });
    cancel->SetCancel(true);
    dialog.show();
    dialog.activateWindow();
    QApplication::setActiveWindow(&dialog);
    ok->setFocus();
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(ok, &esc);
    EXPECT_EQ(cancelClicks, 1);
}

// ---------------------------------------------------------------------------------------------

TEST(ButtonKind, EachKindSetsItsTraits)
{
    struct Case {
        TBitBtnKind kind;
        int modalResult;
        bool isDefault;
        bool isCancel;
    };
    const Case cases[] = {
        {TBitBtnKind::bkOK, 1, true, false},     {TBitBtnKind::bkCancel, 2, false, true},
        {TBitBtnKind::bkHelp, 0, false, false},  {TBitBtnKind::bkYes, 6, true, false},
        {TBitBtnKind::bkNo, 7, false, true},     {TBitBtnKind::bkClose, 0, false, false},
        {TBitBtnKind::bkAbort, 3, false, false}, {TBitBtnKind::bkRetry, 4, false, false},
        {TBitBtnKind::bkIgnore, 5, false, false}, {TBitBtnKind::bkAll, 8, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        TBitBtnWithColor b;
        b.SetKind(c.kind);
        EXPECT_EQ(b.Kind(), c.kind);
        EXPECT_EQ(b.ModalResult(), c.modalResult);
        EXPECT_EQ(b.Default(), c.isDefault);
        EXPECT_EQ(b.Cancel(), c.isCancel);
        EXPECT_FALSE(b.text().isEmpty());
        ASSERT_FALSE(b.Glyph().isNull());
        EXPECT_EQ(b.Glyph().size(), QSize(36, 18));
        EXPECT_EQ(b.NumGlyphs(), 2);
    }
}

TEST(ButtonKind, FallsBackToCustomWhenATraitStopsMatching)
{
    struct Case {
        const char* name;
        TBitBtnKind kind;
        std::function<void(TBitBtnWithColor&)> change;
        TBitBtnKind expected;
    };
    QPixmap own(16, 16);
    own.fill(Qt::red);
    const Case cases[] = {
        {"untouched", TBitBtnKind::bkAbort, [](auto&) {}, TBitBtnKind::bkAbort},
        {"OK loses Default", TBitBtnKind::bkOK, [](auto& b) { b.SetDefault(false); }, TBitBtnKind::bkCustom},
        {"Yes loses Default", TBitBtnKind::bkYes, [](auto& b) { b.SetDefault(false); }, TBitBtnKind::bkCustom},
        {"Retry becomes Default", TBitBtnKind::bkRetry, [](auto& b) { b.SetDefault(true); },
         TBitBtnKind::bkCustom},
        {"Cancel loses Cancel", TBitBtnKind::bkCancel, [](auto& b) { b.SetCancel(false); }, TBitBtnKind::bkCustom},
        {"Close becomes Cancel", TBitBtnKind::bkClose, [](auto& b) { b.SetCancel(true); }, TBitBtnKind::bkCustom},
        {"No gets another result", TBitBtnKind::bkNo, [](auto& b) { b.SetModalResult(mrYes); },
         TBitBtnKind::bkCustom},
        {"Help gets a result", TBitBtnKind::bkHelp, [](auto& b) { b.SetModalResult(mrOk); }, TBitBtnKind::bkCustom},
        {"All gets its own glyph", TBitBtnKind::bkAll, [&](auto& b) { b.SetGlyph(own); }, TBitBtnKind::bkCustom},
        {"Ignore gets a colour and caption", TBitBtnKind::bkIgnore,
         [](auto& b) { b.SetColor(kWindowColor); b.setText("x"); b.SetNumGlyphs(1); }, TBitBtnKind::bkIgnore},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TBitBtnWithColor b;
        b.SetKind(c.kind);
        c.change(b);
        EXPECT_EQ(b.Kind(), c.expected);
        if (c.expected == TBitBtnKind::bkCustom) {
            // The fall-back sticks, and setting the kind again makes it that kind once more.
            b.SetDefault(c.kind == TBitBtnKind::bkOK || c.kind == TBitBtnKind::bkYes);
            b.SetCancel(c.kind == TBitBtnKind::bkCancel || c.kind == TBitBtnKind::bkNo);
            b.SetModalResult(TBitBtnWithColor::KindModalResult(c.kind));
            EXPECT_EQ(b.Kind(), TBitBtnKind::bkCustom);
            b.SetKind(c.kind);
            EXPECT_EQ(b.Kind(), c.kind);
        }
    }
}
