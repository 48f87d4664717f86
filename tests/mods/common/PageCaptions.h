#pragma once
// What a user sees wrong on a mod window's pages beyond the contract's cut labels, check boxes
// and choosers, page by page: a radio button or push button narrower than its caption, two
// captions of one group drawn over each other, or a control standing out of its group. Each
// finding names the page and the controls, so a failing test says where to look.
#include "mods/common/ModWindow.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>

namespace PageCaptions {

// The rectangle a label's text is drawn in, within its parent.
inline QRect LabelTextRect(const QLabel* label)
{
    const QRect inside = label->contentsRect().translated(label->pos());
    return label->style()->itemTextRect(label->fontMetrics(), inside, label->alignment(), label->isEnabled(),
                                        label->text());
}

inline QStringList Findings(TModWindow& w)
{
    QStringList found;
    for (int page = 0; page < w.PC->count(); ++page) {
        w.PC->setCurrentIndex(page);
        const QString where = w.PC->tabText(page) + QStringLiteral(": ");
        QList<QLabel*> labels;
        for (QWidget* c : w.PC->widget(page)->findChildren<QWidget*>()) {
            const QString name = c->objectName();
            // Qt's own parts of a control (a spin box's edit field) are the control's business.
            if (!c->isVisibleTo(&w) || name.isEmpty() || name.startsWith(QLatin1String("qt_")))
                continue;
            if (c->parentWidget() && !c->parentWidget()->rect().contains(c->geometry()))
                found << where + name + QStringLiteral(" stands out of ") + c->parentWidget()->objectName();
            if (auto* label = qobject_cast<QLabel*>(c)) {
                if (label->wordWrap() || label->text().isEmpty() || label->textFormat() == Qt::RichText)
                    continue;
                labels << label;
            } else if (auto* r = qobject_cast<QRadioButton*>(c)) {
                if (!r->text().isEmpty() && r->sizeHint().width() > r->width())
                    found << where + name + QStringLiteral(" cuts \"") + r->text() + QLatin1Char('"');
            } else if (auto* b = qobject_cast<QPushButton*>(c)) {
                // A push button's frame and margins take a few pixels on either side.
                if (b->fontMetrics().horizontalAdvance(b->text()) + 8 > b->width())
                    found << where + name + QStringLiteral(" cuts \"") + b->text() + QLatin1Char('"');
            }
        }
        for (int i = 0; i < labels.size(); ++i)
            for (int j = i + 1; j < labels.size(); ++j)
                if (labels[i]->parentWidget() == labels[j]->parentWidget() &&
                    // Two captions need a blank between them to read as two.
                    LabelTextRect(labels[i]).adjusted(-2, 0, 2, 0).intersects(LabelTextRect(labels[j])))
                    found << where + labels[i]->objectName() + QStringLiteral(" and ") + labels[j]->objectName() +
                                 QStringLiteral(" overlap");
    }
    w.PC->setCurrentIndex(0);
    return found;
}

} // namespace PageCaptions
