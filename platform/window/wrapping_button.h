#pragma once

#include <QFont>
#include <QPushButton>
#include <QString>
#include <QStringList>

namespace platform {

// A command button's caption as the window shows it: broken at character
// boundaries (Japanese has no spaces) into at most two centred lines in the
// button's own font; only a caption that does not fit in two lines that way
// is drawn smaller.
struct ButtonCaption {
  QFont font;
  QStringList lines;  // top to bottom, without the blanks at the breaks
};

inline constexpr int kButtonCaptionLines = 2;
inline constexpr int kSmallestCaptionPx = 8;  // at the form's own scale

// Given: the button's font (sized in pixels), its caption, the inside of the
// button [logical pixels] and the smallest size to go down to. Returned: the
// caption in that font when its lines number at most two and fit the inside;
// otherwise in the largest smaller font down to the smallest that fits, and
// at the smallest whatever lines result. Notes: a line breaks at a word
// boundary where there is one within the width, anywhere between two
// characters otherwise.
ButtonCaption LayOutButtonCaption(const QFont& font, const QString& text, int width_px,
                                  int height_px, int smallest_px = kSmallestCaptionPx);

// A push button that draws its caption with LayOutButtonCaption inside its
// bevel and focus frame; bevel, focus frame and colours are the style's.
// Enter presses it when it has the focus.
class WrappingButton final : public QPushButton {
 public:
  explicit WrappingButton(QWidget* parent = nullptr) : QPushButton(parent) {}

  // The caption as the next paint draws it.
  ButtonCaption Caption() const;
  // The smallest size the caption may shrink to [pixels]; it scales with the form.
  void SetSmallestCaptionPx(int pixels);

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Enter and Return press the button, as Space does.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QRect CaptionRect() const;

  int smallest_caption_px_ = kSmallestCaptionPx;
};

}  // namespace platform
