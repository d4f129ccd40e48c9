#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>

#include "platform/DialogBuilder.h"
#include "platform/Fonts.h"
#include "platform/QtCodec.h"
#include "platform/ResourceImages.h"
#include "res/FontNames.h"
#include "res/ResourceIds.h"

namespace platform {
namespace {

Qt::Alignment TextAlignment(unsigned style) {
    if (style & res::kCenter) return Qt::AlignHCenter | Qt::AlignTop;
    if (style & res::kRight) return Qt::AlignRight | Qt::AlignTop;
    return Qt::AlignLeft | Qt::AlignTop;
}

QWidget* CreateControl(QDialog* dialog, const res::DialogControl& c, const CDialogUnits& du) {
    const QString text = ToQString(c.text ? c.text : "");
    QWidget* w = nullptr;
    switch (c.kind) {
        case res::ControlKind::Static: {
            auto* label = new QLabel(text, dialog);
            label->setAlignment(TextAlignment(c.style));
            label->setWordWrap(true);
            w = label;
            break;
        }
        case res::ControlKind::Icon: {
            auto* label = new QLabel(dialog);
            const QRect r = du.Rect(c.x, c.y, c.w, c.h);
            // An icon shows at its natural 32 by 32 size, as icon controls do.
            const int side = qMax(32, qMin(r.width(), r.height()));
            label->setPixmap(ResourceIcon(text.toInt()).pixmap(QSize(side, side), dialog->devicePixelRatioF()));
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setGeometry(r.x(), r.y(), side, side);
            label->setObjectName(QString::number(c.id));
            return label;
        }
        case res::ControlKind::PushButton:
        case res::ControlKind::DefPushButton: {
            auto* button = new QPushButton(text, dialog);
            button->setAutoDefault(false);
            if (c.kind == res::ControlKind::DefPushButton) button->setDefault(true);
            if (c.id == res::IDOK) QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
            if (c.id == res::IDCANCEL) QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::reject);
            w = button;
            break;
        }
        case res::ControlKind::Edit:
            if (c.style & res::kMultiLine) {
                auto* edit = new QPlainTextEdit(text, dialog);
                edit->setReadOnly(c.style & res::kReadOnly);
                edit->setVerticalScrollBarPolicy((c.style & res::kVScroll) ? Qt::ScrollBarAlwaysOn
                                                                           : Qt::ScrollBarAlwaysOff);
                edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
                w = edit;
            } else {
                auto* edit = new QLineEdit(text, dialog);
                edit->setReadOnly(c.style & res::kReadOnly);
                if (c.style & res::kRight) edit->setAlignment(Qt::AlignRight);
                w = edit;
            }
            break;
        case res::ControlKind::ComboBox:
        case res::ControlKind::DropDownList: {
            auto* combo = new QComboBox(dialog);
            combo->setEditable(c.kind == res::ControlKind::ComboBox);
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->setMaxVisibleItems(10);
            w = combo;
            // The template height of a combo box includes its drop-down list.
            const QRect r = du.Rect(c.x, c.y, c.w, c.h);
            combo->setGeometry(r.x(), r.y(), r.width(), combo->sizeHint().height());
            combo->setObjectName(QString::number(c.id));
            if (c.style & res::kDisabled) combo->setEnabled(false);
            if (c.style & res::kHidden) combo->hide();
            return combo;
        }
        case res::ControlKind::ListBox: {
            auto* list = new QListWidget(dialog);
            list->setSortingEnabled(c.style & res::kSort);
            w = list;
            break;
        }
        case res::ControlKind::CheckBox:
            w = new QCheckBox(text, dialog);
            break;
        case res::ControlKind::GroupBox: {
            auto* group = new QGroupBox(text, dialog);
            group->lower();
            w = group;
            break;
        }
        case res::ControlKind::ScrollBar:
            w = new QScrollBar((c.style & res::kVertical) ? Qt::Vertical : Qt::Horizontal, dialog);
            break;
        case res::ControlKind::UpDown: {
            auto* spin = new QSpinBox(dialog);
            w = spin;
            break;
        }
        case res::ControlKind::ListView: {
            auto* table = new QTableWidget(dialog);
            table->setSelectionBehavior(QAbstractItemView::SelectRows);
            table->setEditTriggers(QAbstractItemView::NoEditTriggers);
            w = table;
            break;
        }
        case res::ControlKind::Custom:
            w = new QWidget(dialog);
            break;
    }
    w->setObjectName(QString::number(c.id));
    w->setGeometry(du.Rect(c.x, c.y, c.w, c.h));
    // A control without a tab stop is skipped by Tab and never takes the
    // focus when its window opens; a click still gives it the focus.
    if (!(c.style & res::kTabStop))
        w->setFocusPolicy(c.kind == res::ControlKind::Static || w->focusPolicy() == Qt::NoFocus ? Qt::NoFocus
                                                                                               : Qt::ClickFocus);
    if (c.style & res::kDisabled) w->setEnabled(false);
    if (c.style & res::kHidden) w->hide();
    return w;
}

}  // namespace

QFont TemplateFont(const res::DialogTemplate& t) {
    if (!t.face || ToQString(t.face) == ToQString(res::kDialogFace)) {
        QFont font = DialogFont();
        font.setPointSize(t.pointSize > 0 ? t.pointSize : res::kDialogPointSize);
        return font;
    }
    InstallFontSubstitutions();
    QFont font(ToQString(t.face));
    font.setPointSize(t.pointSize > 0 ? t.pointSize : res::kDialogPointSize);
    return font;
}

CDialogUnits BuildDialog(QDialog* dialog, const res::DialogTemplate& t) {
    const QFont font = TemplateFont(t);
    dialog->setFont(font);
    dialog->setWindowTitle(ToQString(t.caption));
    dialog->setObjectName(QString::number(t.id));
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const CDialogUnits du(font);
    dialog->setFixedSize(du.Size(t.w, t.h));
    // A label's "&" marks its mnemonic, as on the platform the templates come
    // from: it is shown underlined, not as "&", and moves the focus to the
    // control that follows the label.
    QLabel* mnemonicLabel = nullptr;
    for (const res::DialogControl& c : t.controls) {
        QWidget* w = CreateControl(dialog, c, du);
        if (mnemonicLabel && w && c.kind != res::ControlKind::Static) {
            mnemonicLabel->setBuddy(w);
            mnemonicLabel = nullptr;
        }
        if (auto* label = qobject_cast<QLabel*>(w); label && c.kind == res::ControlKind::Static &&
                                                   label->text().contains(QLatin1Char('&')))
            mnemonicLabel = label;
    }
    return du;
}

QWidget* ControlById(const QWidget* dialog, int id) {
    return dialog->findChild<QWidget*>(QString::number(id), Qt::FindDirectChildrenOnly);
}

}  // namespace platform
