#include "app/qt/windows.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <limits>

#include "app/qt/widgets.h"
#include "app/qt/window_behaviour.h"
#include "app/window_texts.h"
#include "desktop/qt/qt_text.h"

namespace {

// The title bar offers Close and Minimise only; setFixedSize takes away resizing.
constexpr Qt::WindowFlags kTitleBar = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                      Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                      Qt::WindowCloseButtonHint;

Qt::Alignment HorizontalAlignment(Alignment alignment) {
  switch (alignment) {
    case Alignment::Left:
      return Qt::AlignLeft;
    case Alignment::Centre:
      return Qt::AlignHCenter;
    case Alignment::Right:
      return Qt::AlignRight;
  }
  return Qt::AlignLeft;
}

void PaintTextBlack(QWidget* widget) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  palette.setColor(QPalette::Text, Qt::black);
  widget->setPalette(palette);
}

QWidget* MakeWidget(const ControlSpec& row, QWidget* parent) {
  const QString text = QStringFromGbk(row.text);
  switch (row.kind) {
    case ControlKind::PushButton: {
      auto* button = new QPushButton(text, parent);
      button->setAutoDefault(false);
      button->setDefault(false);
      return button;
    }
    case ControlKind::CheckBox: {
      auto* box = new QCheckBox(text, parent);
      box->setChecked(row.ticked);
      PaintTextBlack(box);
      if (row.whiteBackground) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Window, Qt::white);
        box->setPalette(palette);
        // A button's background role is Button; the white belongs behind the caption.
        box->setBackgroundRole(QPalette::Window);
        box->setAutoFillBackground(true);
      }
      return box;
    }
    case ControlKind::EditBox: {
      auto* edit = new QLineEdit(text, parent);
      // A line edit cuts at 32767 characters unless told otherwise.
      edit->setMaxLength(std::numeric_limits<int>::max());
      edit->setReadOnly(row.readOnly);
      edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      edit->setFrame(true);
      PaintTextBlack(edit);
      edit->setCursorPosition(0);
      return edit;
    }
    case ControlKind::GroupBox: {
      auto* group = new QGroupBox(text, parent);
      group->setAlignment(Qt::AlignHCenter);
      PaintTextBlack(group);
      return group;
    }
    case ControlKind::TransparentLabel: {
      auto* label = new QLabel(parent);
      // Plain text: an ampersand or a tag in it is drawn as it stands.
      label->setTextFormat(Qt::PlainText);
      label->setText(text);
      label->setWordWrap(row.wordWrap);
      label->setAlignment(HorizontalAlignment(row.alignment) |
                          (row.wordWrap ? Qt::AlignTop : Qt::AlignVCenter));
      label->setAutoFillBackground(false);
      PaintTextBlack(label);
      return label;
    }
  }
  return nullptr;
}

QWidget* BuildWindow(const WindowSpec& windowSpec, std::span<const ControlSpec> controls, QWidget* owner,
                     Qt::WindowFlags flags) {
  auto* window = new QWidget(owner, flags | kTitleBar);
  window->setWindowTitle(QStringFromGbk(windowSpec.title));
  // An owned window shows its owner's icon itself, not a new one from the
  // SVG: every new icon renders and caches its pixmaps anew, and a HelpWindow
  // opened and closed a hundred times would fill the pixmap cache.
  window->setWindowIcon(owner ? owner->windowIcon() : ProgramIcon());
  const QSize outer(windowSpec.outerWidth, windowSpec.outerHeight);
  // The frame is not known before the window manager has framed the window;
  // FitOuterSize takes it off once it is.
  window->setFixedSize(outer);
  window->move(CentredPlace(outer));
  for (const ControlSpec& row : controls) {
    QWidget* parent = row.groupBox ? ControlWidget(*row.groupBox) : window;
    QWidget* widget = MakeWidget(row, parent);
    widget->setGeometry(row.x, row.y, row.width, row.height);
    widget->setFont(ControlFont(row));
    RegisterControl(row.control, widget);
    if (row.kind == ControlKind::GroupBox)
      AllowDragging(widget);
  }
  AllowDragging(window);
  CloseOnEscape(window);
  KeepOuterSize(window, outer);
  return window;
}

}  // namespace

QWidget* BuildMainWindow() {
  QWidget* window =
      BuildWindow(MainWindowSpec(), MainWindowControls(), nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
  for (const ControlSpec& row : MainWindowControls()) {
    if (ClickAction action = ClickActionFor(row.control)) {
      // A check box has toggled already when clicked is emitted.
      QObject::connect(static_cast<QAbstractButton*>(ControlWidget(row.control)), &QAbstractButton::clicked,
                       window, [action] { action(); });
    }
  }
  CloseOwnedWindowsWith(window);
  return window;
}

QWidget* BuildHelpWindow(QWidget* mainWindow) {
  // A dialog with a parent is transient for it: in front of it, minimised
  // with it, and without a taskbar entry of its own.
  QWidget* window = BuildWindow(HelpWindowSpec(), HelpWindowControls(), mainWindow, Qt::Dialog);
  window->setAttribute(Qt::WA_DeleteOnClose);
  return window;
}

QStringList FontFamilies() {
  return {QStringFromGbk(kFontFace), QStringLiteral("Microsoft YaHei"), QStringLiteral("WenQuanYi Micro Hei"),
          QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Sans SC")};
}

QFont ControlFont(const ControlSpec& row) {
  QFont font;
  font.setFamilies(FontFamilies());
  // A negative LOGFONT height is the character height without the internal
  // leading, which is what Qt's pixel size means.
  font.setPixelSize(row.fontPixels);
  font.setWeight(static_cast<QFont::Weight>(row.bold ? kBoldWeight : kRegularWeight));
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  return font;
}

QIcon ProgramIcon() {
  return QIcon(QStringLiteral(":/quelvo-tolvane.svg"));
}

QPoint CentredPlace(QSize outer) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  return {screen.x() + CentredOrigin(screen.width(), outer.width()),
          screen.y() + CentredOrigin(screen.height(), outer.height())};
}
