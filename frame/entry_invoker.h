// Calls a built entry function with arguments given as values, and gives the
// argument kinds of its signature, which the generated table checks its row
// against at compile time.
#pragma once

#include <type_traits>
#include <utility>

#include "frame/entry_table.h"

namespace topodlg {

template <typename T>
struct ArgTraits;
template <>
struct ArgTraits<int> {
  static constexpr char kLetter = 'i';
  static int Get(const EntryArg& a) { return a.intValue; }
};
template <>
struct ArgTraits<float> {
  static constexpr char kLetter = 'r';
  static float Get(const EntryArg& a) { return a.realValue; }
};
// Strings cross the entry boundary as C strings, as on the original platform:
// a text ends at its first NUL, both going in and coming out.
template <>
struct ArgTraits<CString> {
  static constexpr char kLetter = 's';
  static CString Get(const EntryArg& a) { return CString(a.text.c_str()); }
};
template <>
struct ArgTraits<CDC*> {
  static constexpr char kLetter = 'd';
  static CDC* Get(const EntryArg& a) { return a.dc; }
};

template <auto F>
struct EntryInvoker;

template <typename R, typename... A, R (*F)(A...)>
struct EntryInvoker<F> {
  static constexpr char kArgs[] = {ArgTraits<A>::kLetter..., '\0'};
  static constexpr ResultKind kResult =
      std::is_void_v<R> ? ResultKind::None : (std::is_same_v<R, int> ? ResultKind::Int : ResultKind::Str);

  static EntryResult Invoke(const std::vector<EntryArg>& args) {
    return Call(args, std::index_sequence_for<A...>{});
  }

 private:
  template <size_t... I>
  static EntryResult Call(const std::vector<EntryArg>& args, std::index_sequence<I...>) {
    EntryResult result;
    result.kind = kResult;
    if constexpr (std::is_void_v<R>) {
      F(ArgTraits<A>::Get(args[I])...);
    } else if constexpr (std::is_same_v<R, int>) {
      result.value = F(ArgTraits<A>::Get(args[I])...);
    } else {
      result.text = CString(F(ArgTraits<A>::Get(args[I])...).c_str());
    }
    return result;
  }
};

}  // namespace topodlg
