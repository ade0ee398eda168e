#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "actions/share_actions.h"
#include "fakes/fake_desktop.h"
#include "support/text_testing.h"

// Every test starts from a fresh fake desktop with MainWindow's boxes as at
// start: both check boxes ticked, the share fields empty.
class ActionTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetFake();
    fake().ticks[Control::选择框5] = true;
    fake().ticks[Control::选择框8] = true;
  }

  FakeDesktop& fake() { return Fake(); }
  Text field(Control control) { return fake().controlTexts[control]; }
  std::vector<DesktopEvent>& events() { return fake().events; }

  static DesktopEvent Opened(std::string_view url) { return DesktopEvent::Opened(Gbk(url)); }
  static DesktopEvent Copied(std::string_view code) { return DesktopEvent::Copied(Gbk(code)); }
  static DesktopEvent Shown(std::string_view text, int style, std::string_view title) {
    return DesktopEvent::Shown(Gbk(text), style, Gbk(title), FakeDesktop::kMainWindow);
  }
};
