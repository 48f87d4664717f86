#pragma once
// TBitBtnWithColor: the push button of every Qorvane window. It behaves like a bitmap push
// button (glyph beside the caption, kind, layout, margin, spacing) and paints its face in its
// own colour so that it matches the windows' background (13806739 = RGB 147, 172, 210).
//
// The button paints everything itself (face, raised edge or pressed frame, default frame,
// dotted focus rectangle, glyph, caption); the caption stays in QAbstractButton::text() so
// findChild<...>("BApplyConf")->text() works, and clicked() fires as for any QPushButton.
//
// Modal results keep the Delphi numbering (mrNone 0 ... mrAll 8). When a button with a modal
// result is clicked inside a QDialog, the dialog is finished with
//     mrOk     -> QDialog::Accepted (1)
//     mrCancel -> QDialog::Rejected (0)
//     mrAbort 3, mrRetry 4, mrIgnore 5, mrYes 6, mrNo 7, mrAll 8 -> that same number,
// so exec() tells every answer apart and the usual Accepted/Rejected checks keep working.
// ModalResultToDialogCode() gives the mapping. The dialog is finished before clicked() is
// emitted (as Delphi set the form's ModalResult before OnClick); handlers still run.
//
// Kind Close closes the button's top-level window and emits no clicked(); kind Help opens the
// help of the nearest widget (the button, then its parents) whose "helpContext" property is a
// non-zero number, through the handler installed with SetHelpHandler, and emits no clicked();
// when nobody has a help context, a Help button clicks like any other.
//
// Cancel = true makes Esc in the button's window click the button (when visible and enabled),
// which is what a dialog's Esc must do; Default is QPushButton's default button.
#include <QBitArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QPushButton>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

class QPainter;
class QShortcut;

// Delphi modal results.
enum : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8
};

// Delphi's clBtnFace: the face colour of the system (the palette's button colour).
constexpr int clBtnFace = static_cast<int>(0xFF00000Fu);

// The QDialog result a Delphi modal result finishes a dialog with (see above).
int ModalResultToDialogCode(int modalResult);

enum class TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TButtonStyle { bsAutoDetect, bsWin31, bsNew };
// Index of a state image within the glyph strip.
enum class TButtonState { bsUp = 0, bsDisabled = 1, bsDown = 2, bsExclusive = 3 };

// An image list whose images all have one size; slots are reused once freed.
class TGlyphList {
public:
    TGlyphList(int width, int height);

    // Stores the image at the first free slot (growing by one when none is free); its index.
    int Add(const QImage& image);
    // Frees the slot; an index that is not in use is ignored.
    void Delete(int index);
    void Draw(QPainter& painter, int index, QPoint at) const;
    const QImage& Image(int index) const;

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int Count() const { return m_count; }   // used slots
    int Capacity() const { return static_cast<int>(m_images.size()); }

private:
    int m_width;
    int m_height;
    QList<QImage> m_images;
    QBitArray m_used;
    int m_count = 0;
};

// One per program: a glyph list per image size, shared by every button.
class TGlyphCache {
public:
    ~TGlyphCache();
    // The list of that size, created when there is none.
    TGlyphList* GetList(int width, int height);
    // Removes and frees the list when none of its slots is used any more.
    void ReturnList(TGlyphList* list);
    bool Empty() const { return m_lists.isEmpty(); }
    int ListCount() const { return static_cast<int>(m_lists.size()); }

    // The program's cache, or nullptr while no glyph object exists and no list is held.
    static TGlyphCache* Instance();

private:
    QList<TGlyphList*> m_lists;
};

// Result of TButtonGlyph::CalcLayout, in the coordinates of the client rectangle's parent.
struct TGlyphLayout {
    QPoint glyphPos;
    QRect textBounds;
};

// The glyph of one button: the source strip and the state images built from it on first use.
class TButtonGlyph {
public:
    explicit TButtonGlyph(std::function<void()> onChange = {});
    ~TButtonGlyph();
    TButtonGlyph(const TButtonGlyph&) = delete;
    TButtonGlyph& operator=(const TButtonGlyph&) = delete;

    const QPixmap& Glyph() const { return m_original; }
    // Copies the bitmap; a width that is a whole multiple of the height sets NumGlyphs
    // (width / height, or 1 when that is above 4); the transparent colour becomes the bitmap's.
    void SetGlyph(const QPixmap& glyph);
    int NumGlyphs() const { return m_numGlyphs; }
    // Values above 4 count as 4; 0 (and anything below) is ignored.
    void SetNumGlyphs(int value);
    QColor TransparentColor() const { return m_transparentColor; }

    // Frees every built state image (a new background or a new strip).
    void Invalidate();

    // The size of one state image (0 x 0 without bitmap).
    QSize GlyphSize() const;

    // Places glyph and caption within client; textSize is the measured caption size.
    TGlyphLayout CalcLayout(const QRect& client, QSize textSize, TButtonLayout layout, int margin,
                            int spacing) const;
    // Draws glyph and caption of the state within client on the painter (whose font measures
    // and draws the caption); returns the caption's rectangle.
    QRect Draw(QPainter& painter, const QRect& client, const QString& caption, TButtonLayout layout,
               int margin, int spacing, TButtonState state, const QColor& background,
               const QPalette& palette);

    // Builds (or reuses) the image of the state on the background; its index in List(), or -1
    // without bitmap.
    int BuildStateGlyph(TButtonState state, const QColor& background, const QPalette& palette);
    TGlyphList* List() const { return m_glyphList; }
    int IndexOf(TButtonState state) const { return m_indexs[static_cast<int>(state)]; }

private:
    QImage MakeStateImage(TButtonState state, const QColor& background, const QPalette& palette) const;
    bool IsTransparent(QRgb pixel) const;

    QPixmap m_original;
    QImage m_source;
    int m_numGlyphs = 1;
    QColor m_transparentColor;
    int m_indexs[4] = {-1, -1, -1, -1};
    TGlyphList* m_glyphList = nullptr;
    std::function<void()> m_onChange;
};

class TBitBtnWithColor : public QPushButton {
    Q_OBJECT
public:
    explicit TBitBtnWithColor(QWidget* parent = nullptr);
    explicit TBitBtnWithColor(const QString& caption, QWidget* parent = nullptr);
    ~TBitBtnWithColor() override;

    // Face colour as a Delphi BGR integer (13806739 is RGB 147, 172, 210); clBtnFace (the
    // default) follows the palette.
    int Color() const { return m_color; }
    void SetColor(int delphiBGR);
    QColor FaceColor() const;
    static QColor DelphiColorToQColor(int delphiBGR);

    const QPixmap& Glyph() const;
    void SetGlyph(const QPixmap& glyph);
    int NumGlyphs() const;
    void SetNumGlyphs(int value);

    // A kind other than custom falls back to custom (and keeps it) as soon as Default, Cancel,
    // ModalResult or the glyph no longer match it.
    TBitBtnKind Kind();
    void SetKind(TBitBtnKind kind);

    TButtonLayout Layout() const { return m_layout; }
    void SetLayout(TButtonLayout layout);
    int Margin() const { return m_margin; }
    // Values below -1 are refused; -1 centres glyph and caption.
    void SetMargin(int margin);
    int Spacing() const { return m_spacing; }
    // -1 spreads glyph and caption evenly.
    void SetSpacing(int spacing);
    TButtonStyle Style() const { return m_style; }
    void SetStyle(TButtonStyle style);

    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int modalResult);
    bool Default() const { return m_default; }
    void SetDefault(bool value);
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool value);

    // True while the button draws the window-frame rectangle of the default button.
    bool DefaultFrame() const;

    TButtonGlyph& GlyphObject() { return *m_glyph; }

    // Room for the glyph beside (or above) the caption, for buttons placed in layouts.
    QSize sizeHint() const override;

    // The kind's caption ("OK", "&Help" ...), "" for custom; its modal result.
    static QString KindCaption(TBitBtnKind kind);
    static int KindModalResult(TBitBtnKind kind);
    // The kind's bitmap from the program's resources (null for custom).
    static QPixmap KindGlyph(TBitBtnKind kind);

    // Opens the application's help at a context; without a handler, Help buttons with a
    // context do nothing.
    static void SetHelpHandler(std::function<void(int context)> handler);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Called once on every click path (mouse, keyboard, shortcut, click()) right before
    // released() and clicked(): the place to run what Delphi's Click did.
    void nextCheckState() override;

private:
    void Init();
    // Returns true when the ordinary click (modal result, clicked()) goes on.
    bool Click();
    void SuppressClickSignals();
    void EscapePressed();

    std::unique_ptr<TButtonGlyph> m_glyph;
    int m_color;
    TBitBtnKind m_kind = TBitBtnKind::bkCustom;
    TButtonLayout m_layout = TButtonLayout::blGlyphLeft;
    int m_spacing = 4;
    int m_margin = -1;
    TButtonStyle m_style = TButtonStyle::bsAutoDetect;
    int m_modalResult = mrNone;
    bool m_default = false;
    bool m_cancel = false;
    bool m_modifiedGlyph = false;
    bool m_suppressing = false;
    QShortcut* m_escape = nullptr;
    bool m_watchingFocus = false;
};
