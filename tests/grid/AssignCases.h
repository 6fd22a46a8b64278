#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <vector>

// One property of a settings class: how to give it a non-default value, how
// to see that value, and whether Assign carries it over.
template <class T>
struct TAssignCase {
    const char* name;
    std::function<void(T&)> set;
    std::function<bool(const T&)> isSet;
    bool copied;
};

// Assigns a source with one property changed to a fresh target, for each case.
template <class T, class Make>
void ExpectAssignCopies(const std::vector<TAssignCase<T>>& cases, Make make)
{
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.name);
        auto source = make();
        auto target = make();
        entry.set(*source);
        ASSERT_TRUE(entry.isSet(*source));
        ASSERT_FALSE(entry.isSet(*target));
        target->Assign(*source);
        EXPECT_EQ(entry.isSet(*target), entry.copied);
    }
}
