#pragma once

#include <QFrame>

#include "layout/geometry.h"

namespace mervane {

// A bordered block of one colour (0x00BBGGRR).
class ColorSwatch : public QFrame {
    Q_OBJECT
  public:
    explicit ColorSwatch(QWidget* parent = nullptr);
    void SetColor(Color color);
    Color CurrentColor() const { return color_; }
    QSize sizeHint() const override { return {48, 20}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Color color_ = 0;
};

}  // namespace mervane
