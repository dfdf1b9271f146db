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
      TOPODLG_ENTRY(OnDlgWmapSpec),
      TOPODLG_ENTRY(OnDlgLgdSet),
      TOPODLG_ENTRY(OnDlgScaleSet),
      TOPODLG_ENTRY(OnDlgRangeSet),
      {"OnDlgFadd", "issss", ResultKind::Str, nullptr},
      TOPODLG_ENTRY(OnDlgOvlp),
      {"OnDlgPntSv", "iiissss", ResultKind::Str, nullptr},
      {"OnDlgPntUp", "isssssi", ResultKind::Str, nullptr},
      {"OnDlgUdpf", "iiiiiiisssssss", ResultKind::Str, nullptr},
      {"OnDlgPtUpg", "iiiss", ResultKind::Str, nullptr},
      {"OnDlgPtUpd", "ssii", ResultKind::Str, nullptr},
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
      {"OnDlgLndMk", "iiissss", ResultKind::Str, nullptr},
      {"OnDlgRegistLandMark", "issssssssssssss", ResultKind::Str, nullptr},
      TOPODLG_ENTRY(OnDlgDstDr),
      TOPODLG_ENTRY(OnDlgClSet),
      TOPODLG_ENTRY(OnDlgMapType),
      TOPODLG_ENTRY(OnDlgOvlyF),
      {"OnDlgSystm", "iiiiiiiiiiiiiiiiiiisssssssssssssssssssssssssssii", ResultKind::Str, nullptr},
      TOPODLG_ENTRY(OnDlgMpSpc),
      TOPODLG_ENTRY(OnDlgDCSet),
      TOPODLG_ENTRY(OnDlgDtMsr),
      TOPODLG_ENTRY(OnDlgDtChk),
      TOPODLG_ENTRY(OnDlgPrflSet),
      {"OnLnrAreaLgnd", "iiiiss", ResultKind::None, nullptr},
      TOPODLG_ENTRY(OnDlgGradientSet),
      {"OnAlbumUpdate", "ssssss", ResultKind::Str, nullptr},
      TOPODLG_ENTRY(OnWhiteScaleX),
      TOPODLG_ENTRY(OnWhiteMapAccess),
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
