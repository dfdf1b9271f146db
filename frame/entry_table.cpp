#include "frame/entry_table.h"

#include "frame/entry_invoker.h"
#include "include/topodlg/topodlg.h"

namespace topodlg {

// Argument kinds: i int, r real (single precision), s string, d device context.
const std::vector<EntryInfo>& EntryFunctions() {
  static const std::vector<EntryInfo> entries = {
      TOPODLG_ENTRY(OnDlgPrintSet),
      TOPODLG_ENTRY(OnDlgGraphicSize),
      TOPODLG_ENTRY(OnDlgHgtS),
      TOPODLG_ENTRY(OnDlgLowland),
      {"OnDlgWmapSpec", "ssss", ResultKind::Str, nullptr},
      TOPODLG_ENTRY(OnDlgLgdSet),
      TOPODLG_ENTRY(OnDlgScaleSet),
      TOPODLG_ENTRY(OnDlgRangeSet),
      {"OnDlgFadd", "issss", ResultKind::Str, nullptr},
      TOPODLG_ENTRY(OnDlgOvlp),
      TOPODLG_ENTRY(OnDlgPntSv),
      TOPODLG_ENTRY(OnDlgPntUp),
      TOPODLG_ENTRY(OnDlgUdpf),
      TOPODLG_ENTRY(OnDlgPtUpg),
      TOPODLG_ENTRY(OnDlgPtUpd),
      TOPODLG_ENTRY(OnDlgViewPoint),
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
      TOPODLG_ENTRY(OnDlgLndMk),
      TOPODLG_ENTRY(OnDlgRegistLandMark),
      {"OnDlgDstDr", "iiiisssssss", ResultKind::Str, nullptr},
      TOPODLG_ENTRY(OnDlgClSet),
      TOPODLG_ENTRY(OnDlgMapType),
      TOPODLG_ENTRY(OnDlgOvlyF),
      {"OnDlgSystm", "iiiiiiiiiiiiiiiiiiisssssssssssssssssssssssssssii", ResultKind::Str, nullptr},
      {"OnDlgMpSpc", "iiiiiiiiiiiiiiiiiiiiiissssssssssssssssss", ResultKind::Str, nullptr},
      {"OnDlgDCSet", "iiiii", ResultKind::Str, nullptr},
      {"OnDlgDtMsr", "iiiiiiii", ResultKind::Str, nullptr},
      {"OnDlgDtChk", "ss", ResultKind::Int, nullptr},
      TOPODLG_ENTRY(OnDlgPrflSet),
      {"OnLnrAreaLgnd", "iiiiss", ResultKind::None, nullptr},
      TOPODLG_ENTRY(OnDlgGradientSet),
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
