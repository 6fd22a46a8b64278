#pragma once

// The data types a drag carries between programs; used only inside the layer
// (and by its tests).

#include "platform/ui/DragDrop.h"

#include <memory>

class QMimeData;

// Mime data that offers dataObject's formats as the system's data types,
// read from the data object when another program asks.
QMimeData* NewMimeDataOf(const std::shared_ptr<IDataObject>& dataObject);
// The data object behind mime data: the source's own when the drag started
// in this program, else one that reads the mime data in the platform's
// formats (valid while the mime data is).
std::shared_ptr<IDataObject> DataObjectOfMime(const QMimeData* mimeData);
