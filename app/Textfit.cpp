#include "app/Textfit.h"

#include <algorithm>

#include <QAbstractButton>
#include <QEvent>
#include <QLabel>

namespace {
constexpr int kEdge = 4;           // kept free at the window's sides and between texts
constexpr int kSmallestPixels = 8; // letters never get smaller than this
const char kOwnPlace[] = "textFitPlace";
const char kOwnFont[] = "textFitFont";

bool hasPlainText(const QWidget& widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return !label->text().isEmpty() && !label->wordWrap() && label->textFormat() != Qt::RichText;
    const auto* button = qobject_cast<const QAbstractButton*>(&widget);
    return button && !button->text().isEmpty();
}

// The free span left and right of the widget, among its neighbours on its line.
std::pair<int, int> freeSpan(const QWidget& widget, const QRect& place)
{
    const QWidget* parent = widget.parentWidget();
    int left = kEdge;
    int right = parent->width() - kEdge;
    for (const QObject* child : parent->children()) {
        const auto* other = qobject_cast<const QWidget*>(child);
        if (!other || other == &widget || other->isHidden() || other->isWindow())
            continue;
        // An empty label takes no room: its line is free for the others.
        if (const auto* label = qobject_cast<const QLabel*>(other);
            label && label->text().isEmpty() && label->pixmap().isNull())
            continue;
        const QRect r = other->geometry();
        if (r.bottom() < place.top() || r.top() > place.bottom() || r.intersects(place))
            continue;
        if (r.right() < place.left())
            left = std::max(left, r.right() + 1 + kEdge);
        else
            right = std::min(right, r.left() - kEdge);
    }
    return {std::min(left, place.left()), std::max(right, place.right() + 1)};
}

Qt::Alignment horizontalAlignment(const QWidget& widget)
{
    const auto* label = qobject_cast<const QLabel*>(&widget);
    return label ? label->alignment() & Qt::AlignHorizontal_Mask : Qt::AlignLeft;
}

class FitWhenShown : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            for (QWidget* child : static_cast<QWidget*>(watched)->findChildren<QWidget*>())
                if (hasPlainText(*child))
                    fitText(*child);
        return false;
    }
};
} // namespace

int neededWidth(QWidget& widget)
{
    if (!hasPlainText(widget))
        return 0;
    widget.ensurePolished();
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        const QMargins margins = label->contentsMargins();
        const int indent = label->indent() > 0 ? label->indent() : 0;
        return label->fontMetrics().horizontalAdvance(label->text()) + 2 * label->margin() + indent + margins.left()
               + margins.right();
    }
    return widget.sizeHint().width();
}

void fitText(QWidget& widget)
{
    if (!hasPlainText(widget) || !widget.parentWidget())
        return;
    if (!widget.property(kOwnPlace).isValid()) {
        widget.setProperty(kOwnPlace, widget.geometry());
        widget.setProperty(kOwnFont, widget.font());
    }
    const QRect own = widget.property(kOwnPlace).toRect();
    widget.setGeometry(own);
    widget.setFont(widget.property(kOwnFont).value<QFont>());
    const int needed = neededWidth(widget);
    if (needed <= own.width())
        return;

    // A text keeps the edge it is aligned to, so that a column of them stays
    // one; a centred one grows both ways.
    const auto [left, right] = freeSpan(widget, own);
    const Qt::Alignment alignment = horizontalAlignment(widget);
    QRect place = own;
    if (alignment & Qt::AlignHCenter) {
        const int width = std::min(needed, right - left);
        place.setLeft(std::clamp(own.center().x() + 1 - width / 2, left, right - width));
        place.setWidth(width);
    } else if (alignment & Qt::AlignRight)
        place.setLeft(std::max(own.right() + 1 - needed, left));
    else
        place.setWidth(std::min(needed, right - own.left()));
    widget.setGeometry(place);
    const int width = place.width();

    QFont font = widget.font();
    int pixels = QFontInfo(font).pixelSize();
    while (neededWidth(widget) > width && pixels > kSmallestPixels) {
        font.setPixelSize(--pixels);
        widget.setFont(font);
    }
}

void fitTextsWhenShown(QWidget& window)
{
    window.installEventFilter(new FitWhenShown(&window));
}
