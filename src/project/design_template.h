#pragma once
// The user's template for new designs: the design conditions an engineer
// uses again and again (the standard, the materials, the soils, the check
// methods and the seismic dialog), kept in one project file in the user's
// data folder. 新規作成 starts from it when there is one.

#include <string>

namespace varnholt::forms {
class App;
}

namespace varnholt::project {

/// $XDG_DATA_HOME/varnholt/templates/template.vrh, beside the recovery
/// folder (%LOCALAPPDATA%\Varnholt\templates\ on Windows).
std::string TemplateFile();

/// Whether the template file named by App::template_file exists.
bool HasTemplate(forms::App& app);

/// テンプレートとして保存: writes the design conditions of the open design
/// as the template, asking before it replaces one. A status-bar note says
/// where it went. True when it was written.
bool SaveTemplate(forms::App& app);

/// テンプレートを削除: asks, then removes the template; 新規作成 starts
/// empty again. True when it was removed.
bool RemoveTemplate(forms::App& app);

/// For 新規作成, on windows just started from their defaults: puts the
/// template's design conditions into them. Without a template nothing
/// happens; a template that cannot be read leaves the windows as they are
/// and says so once in the status bar.
void ApplyTemplate(forms::App& app);

}  // namespace varnholt::project
