#pragma once

// The text form of a look or option tree: a header naming the carrier, one
// "path = value" line per leaf in streaming order, and "end".

#include "controls/SlantTabsPersistent.h"

// The carriers that root the two trees in the text.
struct TSlantTabsCarrier {
    const char* ClassName;
    const char* PropertyName;
};
constexpr TSlantTabsCarrier TabsOptionsCarrier { "TTabsOptions", "Options" };
constexpr TSlantTabsCarrier TabsLookAndFeelCarrier { "TTabsLookAndFeel", "LookAndFeel" };

String ComponentToText(const TSlantTabsCarrier& carrier, TSlantTabsPersistent& tree);
// Sets every leaf the text names through its setter; other leaves keep their
// values. Bad text or an unknown property throws, after the leaves before
// it were set.
void TextToComponent(const String& text, const TSlantTabsCarrier& carrier, TSlantTabsPersistent& tree);
// The leaves as assignment statements "prefix.path := value;", one a line.
String ComponentToCode(const TSlantTabsCarrier& carrier, TSlantTabsPersistent& tree, const String& prefix);
