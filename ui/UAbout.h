#pragma once
// The about box, which also serves as the start-up splash.
#include <QDialog>
#include <QPointer>

class QLabel;
class QWindow;

// The pictures compiled into the program (About picture, mod logos ":/logos/<mod key>",
// ui/StoredPicture.h).
// Safe to call more than once; the library is static, so somebody has to pull them in.
void InitProgramResources();

class TAbout : public QDialog {
    Q_OBJECT
public:
    // Built as the splash: "Loading. Please wait..." visible, the picture ignores clicks.
    explicit TAbout(QWidget* parent = nullptr);

    // Shows the splash at once, without waiting (the caller deletes it when start-up is over).
    static TAbout* ShowSplash();
    // "About QOR...": the picture answers clicks, no loading text, shown modally.
    static void ShowAboutBox(QWidget* parent = nullptr);

    // Ends the splash once `window`, shown, has drawn itself: the screen is never without
    // either, and the splash's window is not taken down while the first paint waits. The
    // splash deletes itself then (or after two seconds, should the window not appear).
    void FinishWhenDrawn(QWidget* window);

    // Turns the splash into the about box.
    void PrepareAboutBox();
    void Image1Click();

    QLabel* Image1() const { return m_image; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_image = nullptr;
    QLabel* m_loading = nullptr;
    QLabel* m_version = nullptr;
    bool m_drawn = false;   // painted at least once
    QPointer<QWindow> m_finishOn;   // the window whose first exposure ends the splash
};
