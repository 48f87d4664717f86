#include "ui/MainStyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>

namespace {

// A standard icon of a style, asked of the style when first needed.
class TDeferredIcon : public QIconEngine {
public:
    TDeferredIcon(QStyle* style, QStyle::StandardPixmap icon, Qt::LayoutDirection direction)
        : m_style(style), m_icon(icon), m_direction(direction)
    {
    }

    QIconEngine* clone() const override { return new TDeferredIcon(*this); }
    QString key() const override { return QStringLiteral("TDeferredIcon"); }
    // Every style has these arrows; answering does not need the pictures.
    bool isNull() override { return false; }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return Icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().availableSizes(mode, state);
    }

private:
    QIcon& Icon()
    {
        if (!m_fetched) {
            m_fetched = true;
            QStyleOption option;
            option.direction = m_direction;
            if (m_style)
                m_made = m_style->standardIcon(m_icon, &option);
        }
        return m_made;
    }

    QPointer<QStyle> m_style;
    QStyle::StandardPixmap m_icon;
    Qt::LayoutDirection m_direction;
    bool m_fetched = false;
    QIcon m_made;
};

} // namespace

void TMainStyle::Install()
{
    if (qobject_cast<TMainStyle*>(QApplication::style()))
        return;
    QApplication::setStyle(new TMainStyle(QApplication::style()->name()));
}

QIcon TMainStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                               const QWidget* widget) const
{
    switch (icon) {
    case SP_ToolBarHorizontalExtensionButton:
    case SP_ToolBarVerticalExtensionButton:
        return QIcon(new TDeferredIcon(baseStyle(), icon,
                                       option ? option->direction
                                              : QGuiApplication::layoutDirection()));
    default:
        return QProxyStyle::standardIcon(icon, option, widget);
    }
}
