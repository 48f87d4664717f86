#pragma once
// "Preview": a small window that shows a player model's picture beside the open mod window.
#include <QDialog>
#include <QString>

class QLabel;

class TPreview : public QDialog {
    Q_OBJECT
public:
    explicit TPreview(QWidget* parent = nullptr);
    ~TPreview() override;

    // Shows a .bmp or .jpg picture (an empty image when it cannot be read).
    void ShowPicture(const QString& path);
    QLabel* Image() const { return m_image; }

protected:
    void closeEvent(QCloseEvent* event) override;   // FormClose: the preview is no longer open
    // Esc hides a dialog without closing it: that, too, ends the preview.
    void hideEvent(QHideEvent* event) override;

private:
    QLabel* m_image = nullptr;
};

// The preview window, once a mod window has opened it; null before and after its owner
// window is gone.
extern TPreview* Preview;

namespace UPreview {

// Where the preview stands relative to the mod window it belongs to.
constexpr int OffsetLeft = 583;
constexpr int OffsetTop = 22;

// True for the mods whose windows carry a team preview.
bool FollowsMod(const QString& modKey);

// Opens the preview beside a mod window once (nothing when it is already open): creates it
// when needed, places it at the window's Left + 583, Top + 22, marks it open and shows it
// without waiting.
TPreview* OpenPreview(QWidget* modWindow);
// Closes the preview when it is open.
void ClosePreview();

// One step of the follower: when the preview is open and the selected mod is one of those
// with a team preview, puts it at that mod's open window's Left + 583, Top + 22.
void Timer1Timer();

// Makes the preview follow the selected mod's window whenever that window moves. owner
// (the main window) owns the follower; further calls change nothing. OpenPreview starts it
// (owned by the application) when nobody did.
void StartFollower(QObject* owner);

} // namespace UPreview
