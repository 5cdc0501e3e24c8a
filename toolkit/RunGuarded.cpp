#include "toolkit/RunGuarded.h"

#include <exception>

#include "toolkit/Application.h"

void RunGuarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    if (Application) {
      Application->ShowException(error);
    } else {
      throw;
    }
  }
}
