// What a screen reader hears: the name the accessibility interface gives
// each input, asked from this process as any assistive tool asks it.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <string>

#include "tests/gui/harness.h"

namespace island::test {
namespace {

using enum Control;

class ComApartment {
 public:
  ComApartment() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() { CoUninitialize(); }
};

struct Heard {
  HRESULT result = E_FAIL;
  std::wstring name;
  std::wstring value;
};

Heard WhatAToolHears(HWND hwnd) {
  Heard heard;
  IAccessible* object = nullptr;
  heard.result = AccessibleObjectFromWindow(hwnd, OBJID_CLIENT, __uuidof(IAccessible),
                                            reinterpret_cast<void**>(&object));
  if (FAILED(heard.result) || !object) return heard;
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  heard.result = object->get_accName(self, &name);
  if (name) heard.name.assign(name, SysStringLen(name));
  SysFreeString(name);
  BSTR value = nullptr;
  if (SUCCEEDED(object->get_accValue(self, &value)) && value) {
    heard.value.assign(value, SysStringLen(value));
  }
  SysFreeString(value);
  object->Release();
  return heard;
}

TEST(ScreenReader, EachInputIsNamedAfterItsLabelOrCaption) {
  ComApartment com;
  AppUnderTest app;
  struct Case {
    Control control;
    const wchar_t* name;
  };
  const Case cases[] = {
      {kSchematicKey, L"空岛示意图名"},
      {kShownGroup, L"空岛类型是否显示"},
      {kShownYes, L"是"},
      {kShownNo, L"否"},
      {kIcon, L"选择空岛类型展示的图标    英文大写"},
      {kOrder, L"展示的图标在哪格"},
      {kDisplayName, L"显示的空岛名称"},
      {kDescription, L"空岛介绍 | 表示新行"},
      {kFileName, L"原理图|示意图"},
      {kChestGroup, L"是否使用自定义内容箱子 是就使用原本 否就使用自定义"},
      {kChestYes, L"是"},
      {kChestNo, L"否"},
      {kCost, L"购买岛屿所需要的钱"},
      {kBiome, L"生物群戏"},
      {kBiomeButton, L"点我查看生物群戏名"},
      {kPreview, L"显示"},
      {kGenerateButton, L"生成预览"},
      {kCopyButton, L"复制"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "control " << static_cast<int>(c.control));
    const Heard heard = WhatAToolHears(app.control(c.control));
    EXPECT_EQ(heard.result, S_OK);
    EXPECT_EQ(heard.name, c.name);
  }
  // Everything else is answered as the system answers it: the preview's
  // value is its text. And the program goes on working.
  app.ClickControl(kGenerateButton);
  const Heard preview = WhatAToolHears(app.control(kPreview));
  EXPECT_EQ(preview.name, L"显示");
  EXPECT_EQ(preview.value, TextOf(app.control(kPreview)));
  EXPECT_FALSE(preview.value.empty());
}

}  // namespace
}  // namespace island::test
