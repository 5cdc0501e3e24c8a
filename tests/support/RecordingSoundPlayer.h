#pragma once

#include <functional>
#include <vector>

#include "toolkit/Sound.h"

// Remembers what was asked for, in order, and plays nothing; OnPlay, when set, sees each call.
class TRecordingSoundPlayer : public TSoundPlayer {
 public:
  struct TCall {
    QString Name;
    uint32_t Flags = 0;
    bool operator==(const TCall&) const = default;
  };

  bool Play(const QString& name, uint32_t flags) override {
    Calls.push_back({name, flags});
    if (OnPlay) OnPlay(name);
    return Result;
  }

  std::vector<TCall> Calls;
  std::function<void(const QString&)> OnPlay;
  bool Result = true;
};
