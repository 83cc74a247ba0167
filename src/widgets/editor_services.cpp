// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/editor_services.h"

#include "core/errors.h"
#include "core/tr_marker.h"
#include "core/user_prompt.h"
#include "game/export_preview.h"
#include "widgets/record_document.h"

namespace kvrgui {

bool runGuarded(kvr::UserPrompt& prompt, const std::function<void(const kvr::FileAccessError&)>& fatal,
                const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const kvr::FileAccessError& e) {
        if (fatal)
            fatal(e);
        else
            prompt.warn(kvr::messageOf(e));
    } catch (const kvr::GeneralError& e) {
        prompt.warn(kvr::messageOf(e));
    }
    return false;
}

bool runGuarded(EditorServices& services, const std::function<void()>& action)
{
    return runGuarded(services.prompt, services.fatal, action);
}

bool confirmExport(EditorServices& services, std::optional<kvr::Editor> editor)
{
    if (!(editor ? services.previewEditorExport : services.previewAllData))
        return true;
    const kvr::ExportPreview preview = kvr::previewExport(services.context, services.document.record(), editor);
    std::vector<kvr::Message> lines;
    for (const kvr::ValueChange& change : preview.changes)
        lines.push_back(change.namedLine());
    return services.prompt.confirmList(kvr::previewHeading(preview, editor), lines,
                                       KVR_TR_NOOP("Import and export", "Export"));
}

} // namespace kvrgui
