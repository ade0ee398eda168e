#pragma once

// The click actions of the two groups of MainWindow. They take no arguments
// and keep nothing between clicks: the controls are the only memory.

// 有密码网盘: cuts link and code out of the share message on the clipboard.
void OpenShareWithCode();
// 第二次用，打开、复制: opens the link shown and copies the code shown again.
void ReopenShare();
// 清空: empties the three share fields.
void ClearShareFields();
// 无密码网址: opens the clipboard's text from its first "http" on.
void OpenPlainUrl();
// 清除: empties the plain-link field.
void ClearUrlField();
