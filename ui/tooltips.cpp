#include "ui/tooltips.h"

#include <wx/translation.h>

namespace tamblor {

// UTF-8 bytes, turned into wx strings only through FromUTF8: a narrow literal taken as the
// locale's encoding would come out empty once GTK has started. Marked for the catalog; the form
// translates them as it shows them.
const std::array<ToolTipEntry, 14> toolTipTable{{
    {IDC_REQUIRED, wxTRANSLATE("在这里输入所需的电阻")},
    {IDC_BEST_ACTUAL, wxTRANSLATE("最佳匹配的电阻值")},
    {IDC_BEST_R1, wxTRANSLATE("初级电阻值的最佳匹配")},
    {IDC_BEST_R2, wxTRANSLATE("E24 微调电阻的最佳匹配值")},
    {IDC_BEST_ERROR, wxTRANSLATE("最佳的偏差 %")},
    {IDC_BEST_CONNECTION, wxTRANSLATE("是否对电阻串联或并联连接")},
    {IDC_SERIES_E24, wxTRANSLATE("选择E24系列初级电阻（1％精度）")},
    {IDC_SERIES_E96, wxTRANSLATE("选择E96系列的初级电阻（1％或0.1％的容差）")},
    {IDC_TOLERANCE_1, wxTRANSLATE("选择E96系列初级电阻公差1％")},
    {IDC_TOLERANCE_01, wxTRANSLATE("选择容差为0.1％的E96系列初级电阻")},
    {IDC_E24_MIN, wxTRANSLATE("设置E24系列的最低值，常用1R")},
    {IDC_E24_MAX, wxTRANSLATE("设置E24系列的最大价值，常用10M")},
    {IDC_E96_MIN, wxTRANSLATE("设置E96系列的最低值，常用1R为1％，51R1为0.1％")},
    {IDC_E96_MAX, wxTRANSLATE("设置E96系列的最高值，常用1M为1％，1M为0.1％")},
}};

}  // namespace tamblor
