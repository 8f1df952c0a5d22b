#pragma once

class CTavrelDlg;

/// Makes the main page usable by keyboard and screen reader, from the control table: accessible
/// names of the controls that show no text of their own (the image buttons by their action, the
/// range slider, the list), the image buttons' tooltips as descriptions, each label linked to the
/// control it names (buddy, and that control named by the label's text), the tab order of the
/// layout (TabOrderIds), a focus frame in the skin's accent colour on the self-drawn controls, and
/// the empty list's hint. Run once after the page has created and set up its controls.
void SetUpWindowAccessibility(CTavrelDlg &page);

/// Installs the window's own accessible interfaces (combo boxes named by their labels). Run
/// before the controls are created: with assistive technology running, Qt makes and keeps a
/// control's interface as soon as the control exists.
void InstallWindowAccessibleInterfaces();

/// The hint the empty task list shows, English (context "WindowAccessibility").
extern const char *const kEmptyListHint;
