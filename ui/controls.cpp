#include "controls.h"

#include <QApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>
#include <optional>

// The resources sit in a static library, where nothing would pull in their registration.
static void registerResources() {
    Q_INIT_RESOURCE(octaval);
}

namespace octaval {
namespace {

// Condensing further than this harms legibility more than cutting the text off.
constexpr int minimumStretch = 75;

// A line edit's text starts this far inside its edges: frame and margin on both sides, less the
// margin that we take back (below).
constexpr int boxTextInset = 4;

// MS Sans Serif where it is installed, otherwise the platform's default sans-serif face.
QFont labelFont(qreal points, QFont::Weight weight) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

// Boxes and notes take the platform's interface face at 8 pt, the classic size for which their
// geometry was drawn.
QFont boxFont() {
    QFont font = QApplication::font();
    font.setPointSizeF(8);
    return font;
}

// Today's faces are wider than the classic ones; a font is condensed, just enough, when the
// widest text that a control shows would not fit its width.
QFont fitted(QFont font, const QString& widest, int width) {
    const qreal advance = QFontMetricsF(font).horizontalAdvance(widest);
    if (advance <= width) return font;
    font.setStretch(std::max(minimumStretch, int(100 * width / advance)));
    if (QFontMetricsF(font).horizontalAdvance(widest) > width)
        font.setStretch(std::max(minimumStretch, font.stretch() - 2));
    return font;
}

// Fonts shared by the controls of one window, each measured once.
class Fonts {
public:
    explicit Fonts(std::span<const Control> controls) : m_controls(controls) {}

    /// The font of a control; nullptr for the window's own.
    const QFont* of(const Control& control) {
        switch (control.kind) {
            case ControlKind::caption:
                return cached(m_caption, [&] {
                    return widestFit(labelFont(9.75, QFont::Normal), ControlKind::caption, 0);
                });
            case ControlKind::dot:
                return cached(m_dot, [] { return labelFont(12, QFont::Bold); });
            case ControlKind::inputBox:
            case ControlKind::octetBox:
                return cached(m_octet, [&] {
                    return fitted(boxFont(), QStringLiteral("255"),
                                  fromTwips(control.width) - boxTextInset);
                });
            case ControlKind::resultBox:
                return cached(m_result, [&] {
                    return fitted(boxFont(), QStringLiteral("23 bits, 8388606 subnets"),
                                  fromTwips(control.width) - boxTextInset);
                });
            case ControlKind::statusBox:
            case ControlKind::note:
                return cached(m_plain, [] { return boxFont(); });
            default:
                return nullptr;
        }
    }

private:
    template <typename Make>
    static const QFont* cached(std::optional<QFont>& slot, Make make) {
        if (!slot) slot = make();
        return &*slot;
    }

    // Fitted to the control of `kind` whose text is widest for its width.
    QFont widestFit(QFont font, ControlKind kind, int inset) const {
        const QFontMetricsF metrics(font);
        const Control* widest = nullptr;
        qreal widestRatio = 0;
        for (const Control& control : m_controls) {
            if (control.kind != kind) continue;
            const qreal ratio = metrics.horizontalAdvance(QString::fromUtf8(control.text)) /
                                (fromTwips(control.width) - inset);
            if (ratio > widestRatio) {
                widestRatio = ratio;
                widest = &control;
            }
        }
        if (!widest) return font;
        return fitted(font, QString::fromUtf8(widest->text), fromTwips(widest->width) - inset);
    }

    std::span<const Control> m_controls;
    std::optional<QFont> m_caption, m_dot, m_octet, m_result, m_plain;
};

// A line edit draws its panel in the Base role, whatever its background role says.
void setPanelColour(QLineEdit* box, SystemColour colour) {
    const QPalette::ColorRole role = paletteRole(colour);
    if (role == QPalette::NoRole || role == QPalette::Base) return;
    QPalette palette = box->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setBrush(group, QPalette::Base, palette.brush(group, role));
    box->setPalette(palette);
}

void setLabelColour(QLabel* label, SystemColour colour) {
    const QPalette::ColorRole role = paletteRole(colour);
    if (role == QPalette::NoRole) return;
    label->setBackgroundRole(role);
    label->setAutoFillBackground(true);
}

QLineEdit* makeBox(const Control& control, QWidget* window) {
    auto* box = new QLineEdit(QString::fromLatin1(control.text), window);
    // The classic boxes had almost no inner margin; three digits must fit 25 pixels.
    box->setTextMargins(-2, 0, -2, 0);
    switch (control.kind) {
        case ControlKind::inputBox:
            box->setMaxLength(3);
            box->setAlignment(Qt::AlignRight);
            break;
        case ControlKind::octetBox:
            box->setAlignment(Qt::AlignRight);
            box->setEnabled(false);
            break;
        case ControlKind::resultBox:
            box->setEnabled(false);
            break;
        default:
            break;
    }
    setPanelColour(box, control.background);
    return box;
}

QLabel* makeLabel(const Control& control, QWidget* window) {
    auto* label = new QLabel(QString::fromUtf8(control.text), window);
    switch (control.kind) {
        case ControlKind::caption:
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            break;
        case ControlKind::dot:
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            break;
        case ControlKind::note:
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            label->setWordWrap(true);
            break;
        case ControlKind::picture:
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setForegroundRole(paletteRole(SystemColour::windowText));
            break;
        default:
            break;
    }
    setLabelColour(label, control.background);
    return label;
}

QWidget* makeControl(const Control& control, QWidget* window) {
    switch (control.kind) {
        case ControlKind::inputBox:
        case ControlKind::octetBox:
        case ControlKind::resultBox:
        case ControlKind::statusBox:
            return makeBox(control, window);
        case ControlKind::caption:
        case ControlKind::dot:
        case ControlKind::note:
        case ControlKind::picture:
            return makeLabel(control, window);
        case ControlKind::button:
            return new QPushButton(QString::fromLatin1(control.text), window);
        case ControlKind::line: {
            auto* line = new QFrame(window);
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Plain);
            return line;
        }
    }
    return nullptr;
}

void ensureResources() {
    static const bool registered = (registerResources(), true);
    Q_UNUSED(registered);
}

}  // namespace

void buildForm(const Form& form, std::span<const Control> controls, QWidget* window) {
    window->setObjectName(QString::fromLatin1(form.name));
    window->setWindowFlags(form.frame);
    window->setWindowTitle(QString::fromLatin1(form.title));
    window->setAccessibleName(window->windowTitle());
    window->setWindowIcon(applicationIcon());
    window->setBackgroundRole(paletteRole(form.background));
    window->setFixedSize(fromTwips(form.width), fromTwips(form.height));

    Fonts fonts(controls);
    for (const Control& control : controls) {
        QWidget* widget = makeControl(control, window);
        if (const QFont* font = fonts.of(control)) widget->setFont(*font);
        widget->setObjectName(QString::fromLatin1(control.name));
        if (control.accessibleName)
            widget->setAccessibleName(QString::fromUtf8(control.accessibleName));
        QRect geometry(fromTwips(control.left), fromTwips(control.top), fromTwips(control.width),
                       fromTwips(control.height));
        // Some controls are stored wider than the window; they end at its right edge.
        geometry.setWidth(std::min(geometry.width(), window->width() - geometry.x()));
        // A line is stored with no height; it is drawn one pixel thick.
        geometry.setHeight(std::max(geometry.height(), 1));
        widget->setGeometry(geometry);
    }
}

QIcon applicationIcon() {
    ensureResources();
    return QIcon(QStringLiteral(":/octaval/icon.png"));
}

QPixmap aboutPicture() {
    ensureResources();
    return QPixmap(QStringLiteral(":/octaval/about.png"));
}

}  // namespace octaval
