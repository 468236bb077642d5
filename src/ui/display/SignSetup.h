#pragma once

#include <QList>
#include <QString>
#include <initializer_list>
#include <optional>

#include "core/nfl/Marquee.h"

class QAbstractButton;
class QLabel;
class QWidget;

namespace gm::ui {

class ElectronicSign;

// The ways the program's windows set up their signs.

// The main window's banner: yellow lamps, rate 3, "Lumex Electronic Message".
void SetupBannerSign(ElectronicSign& sign, QWidget* picDisplay);

// The NFL marquee and the About window: cyan lamps on navy. On displays with
// more than 256 colours the grid goes off, `gridButton` reads "Show &Grid" and
// `labels` get a white background; otherwise the button reads "Hide &Grid".
void SetupMarqueeSign(ElectronicSign& sign, QWidget* picDisplay, QAbstractButton* gridButton,
                      const QList<QLabel*>& labels, long long screenColors);

// The pool marquee: as the NFL marquee with yellow lamps and the rate untouched.
void SetupPoolMarqueeSign(ElectronicSign& sign, QWidget* picDisplay, QAbstractButton* gridButton,
                          const QList<QLabel*>& labels, long long screenColors);

// The NFL Analyzer's message panel: cyan on navy with its first message.
void SetupAnalyzerSign(ElectronicSign& sign, QWidget* picDisplay, const QString& firstMessage,
                       QAbstractButton* gridButton, const QList<QLabel*>& labels, long long screenColors);

// A marquee's show-message step: a new rate, and a new message when given.
void ShowSignMessage(ElectronicSign& sign, int rate, const std::optional<QString>& message = std::nullopt);

// The same for a step a marquee model has worked out.
void ShowSignStep(ElectronicSign& sign, const SignStep& step);

// White captions, for labels drawn on a marquee window's blended background.
void UseLightCaptions(std::initializer_list<QLabel*> labels);

// The grid button: flips the grid and the button's caption.
void ToggleSignGrid(ElectronicSign& sign, QAbstractButton* gridButton);

}  // namespace gm::ui
