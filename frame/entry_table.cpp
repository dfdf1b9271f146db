#include "frame/entry_table.h"

#include "frame/entry_invoker.h"
#include "include/topodlg/topodlg.h"

namespace topodlg {

// Argument kinds: i int, r real (single precision), s string, d device context.
const std::vector<EntryInfo>& EntryFunctions() {
  static const std::vector<EntryInfo> entries = {
      {"OnDlgPrintSet", "iiiiiss", ResultKind::Str, nullptr},
      {"OnDlgGraphicSize", "i", ResultKind::Int, nullptr},
      {"OnDlgHgtS", "s", ResultKind::Str, nullptr},
      {"OnDlgLowland", "s", ResultKind::Str, nullptr},
      {"OnDlgWmapSpec", "ssss", ResultKind::Str, nullptr},
      {"OnDlgLgdSet", "iiiis", ResultKind::Str, nullptr},
      {"OnDlgScaleSet", "iiiiiiiis", ResultKind::Str, nullptr},
      {"OnDlgRangeSet", "iiiiiiiiirrsss", ResultKind::Str, nullptr},
      {"OnDlgFadd", "issss", ResultKind::Str, nullptr},
      TOPODLG_ENTRY(OnDlgOvlp),
      {"OnDlgPntSv", "iiissss", ResultKind::Str, nullptr},
      {"OnDlgPntUp", "isssssi", ResultKind::Str, nullptr},
      {"OnDlgUdpf", "iiiiiiisssssss", ResultKind::Str, nullptr},
      {"OnDlgPtUpg", "iiiss", ResultKind::Str, nullptr},
      {"OnDlgPtUpd", "ssii", ResultKind::Str, nullptr},
      {"OnDlgViewPoint", "iiiiiiiiiirs", ResultKind::Str, nullptr},
      TOPODLG_ENTRY(OnDlgContour),
      {"OnDlgClipMapCall", "sssssssii", ResultKind::Str, nullptr},
      {"OnDlgMapClipper", "iiiiiiiiisssssssssssssss", ResultKind::Str, nullptr},
      {"OnDlgTalUp", "issssssss", ResultKind::Str, nullptr},
      TOPODLG_ENTRY(OnDlgTrkUp),
      {"OnDlgLink", "iiiissssss", ResultKind::Str, nullptr},
      TOPODLG_ENTRY(OnDlgTrack),
      {"OnDlgArDsp", "iiiiiiiiisssssssss", ResultKind::Str, nullptr},
      TOPODLG_ENTRY(OnDlgPoint),
      {"OnDlgSnrRp", "iisssssss", ResultKind::Str, nullptr},
      {"OnDlgLndMk", "iiissss", ResultKind::Str, nullptr},
      {"OnDlgRegistLandMark", "issssssssssssss", ResultKind::Str, nullptr},
      {"OnDlgDstDr", "iiiisssssss", ResultKind::Str, nullptr},
      {"OnDlgClSet", "iiiss", ResultKind::Str, nullptr},
      {"OnDlgMapType", "iiiiiiiiis", ResultKind::Str, nullptr},
      TOPODLG_ENTRY(OnDlgOvlyF),
      {"OnDlgSystm", "iiiiiiiiiiiiiiiiiiisssssssssssssssssssssssssssii", ResultKind::Str, nullptr},
      {"OnDlgMpSpc", "iiiiiiiiiiiiiiiiiiiiiissssssssssssssssss", ResultKind::Str, nullptr},
      {"OnDlgDCSet", "iiiii", ResultKind::Str, nullptr},
      {"OnDlgDtMsr", "iiiiiiii", ResultKind::Str, nullptr},
      {"OnDlgDtChk", "ss", ResultKind::Int, nullptr},
      {"OnDlgPrflSet", "iiiiiiiir", ResultKind::Str, nullptr},
      {"OnLnrAreaLgnd", "iiiiss", ResultKind::None, nullptr},
      {"OnDlgGradientSet", "iiiiis", ResultKind::Str, nullptr},
      {"OnAlbumUpdate", "ssssss", ResultKind::Str, nullptr},
      {"OnWhiteScaleX", "diriir", ResultKind::None, nullptr},
      {"OnWhiteMapAccess", "sssi", ResultKind::Str, nullptr},
      {"OnTableFileSet", "isssss", ResultKind::Str, nullptr},
      {"OnTableDispSet", "iiiiiss", ResultKind::Str, nullptr},
      {"OnFileTableSelect", "issssss", ResultKind::Str, nullptr},
  };
  return entries;
}

const EntryInfo* FindEntry(std::string_view name) {
  for (const EntryInfo& e : EntryFunctions()) {
    if (name == e.name) return &e;
  }
  return nullptr;
}

}  // namespace topodlg
