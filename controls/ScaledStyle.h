#pragma once

#include <QProxyStyle>

// The application's style with the sizes of check boxes, radio buttons and
// scroll bars scaled by one factor, so that they grow and shrink with a
// scaled layout as its text does.
class ScaledStyle : public QProxyStyle
{
    Q_OBJECT
public:
    explicit ScaledStyle(QObject* parent);

    void SetScale(double scale) { scale_ = scale; }
    double Scale() const { return scale_; }

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

private:
    double scale_ = 1.0;
};
