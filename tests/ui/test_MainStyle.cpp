#include "ui/MainStyle.h"

#include <QApplication>
#include <QImage>
#include <QStyleFactory>
#include <QStyleOption>
#include <gtest/gtest.h>

#include <memory>

// The extension arrows are fetched late but are the style's own, in either direction, and the
// other standard icons come straight from the style.
TEST(MainStyleTest, IconsAreTheStylesOwn)
{
    TMainStyle::Install();
    auto* style = qobject_cast<TMainStyle*>(QApplication::style());
    ASSERT_NE(style, nullptr);
    TMainStyle::Install();
    EXPECT_EQ(QApplication::style(), style);   // installed once
    const std::unique_ptr<QStyle> plain(QStyleFactory::create(style->baseStyle()->name()));
    ASSERT_NE(plain, nullptr);

    const QStyle::StandardPixmap icons[] = {QStyle::SP_ToolBarHorizontalExtensionButton,
                                            QStyle::SP_ToolBarVerticalExtensionButton,
                                            QStyle::SP_ArrowUp};
    for (const QStyle::StandardPixmap icon : icons) {
        for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
            SCOPED_TRACE(testing::Message() << "icon " << icon << " direction " << direction);
            QStyleOption option;
            option.direction = direction;
            const QIcon made = style->standardIcon(icon, &option);
            const QIcon own = plain->standardIcon(icon, &option);
            EXPECT_FALSE(made.isNull());
            EXPECT_EQ(made.availableSizes(), own.availableSizes());
            for (const int size : {8, 16, 32})
                EXPECT_EQ(made.pixmap(size, size).toImage(), own.pixmap(size, size).toImage());
        }
    }
}
