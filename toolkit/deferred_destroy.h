// The bookkeeping both backends share for destroying windows: a request made while a
// handler runs is carried out right after that handler returns, in the order asked.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

namespace toolkit {

class DeferredDestroy {
 public:
  using WindowId = std::uint64_t;

  // Runs `handler`, then every request it (or a handler it nested) left for its return.
  template <typename DestroyNow>
  void runHandler(const std::function<void()>& handler, DestroyNow destroyNow) {
    ++depth_;
    handler();
    --depth_;
    for (;;) {
      const auto due =
          std::find_if(requests_.begin(), requests_.end(),
                       [this](const Request& request) { return request.depth > depth_; });
      if (due == requests_.end()) return;
      const WindowId window = due->window;
      requests_.erase(due);
      destroyNow(window);
    }
  }

  // With no handler running the window goes at once.
  template <typename DestroyNow>
  void request(WindowId window, DestroyNow destroyNow) {
    if (depth_ == 0)
      destroyNow(window);
    else
      requests_.push_back({window, depth_});
  }

 private:
  struct Request {
    WindowId window;
    int depth;  // the depth of the handler that asked
  };
  int depth_ = 0;
  std::vector<Request> requests_;
};

}  // namespace toolkit
