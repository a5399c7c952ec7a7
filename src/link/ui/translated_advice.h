#pragma once
// A failure's advice in the user's language, one sentence a line.
#include <QString>

#include "link/failure_advice.h"

namespace tessel::ui {

QString translatedAdvice(const link::Advice& advice);

}  // namespace tessel::ui
