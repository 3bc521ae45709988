#pragma once

/**
 * Stores the dash-option warning's choice at once, in the settings and the store:
 * @p dontShow checked gives showwarn 0, else 1.
 */
void StoreShowWarn(bool dontShow);
