// A transfer with a progress dialog: the window stays painted, the player can cancel, and nothing
// else can be used meanwhile.
#pragma once

#include "update/transfer.h"

class QWidget;

Uebertragung MitFortschritt(const QString& url, const QString& ziel,
                            const std::function<std::optional<QString>(const QByteArray&)>& pruefen, const QString& was, QWidget* eltern);
