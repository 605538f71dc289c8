// Picking and button messages: the object under the cursor, found each frame
// by the camera's ray against the objects' bounds and then their triangles.
#include "Scene.h"

#include "Application.h"
#include "Input.h"
#include "Log.h"
#include "Object.h"
#include "VirtualScript.h"

#include <OgreCamera.h>
#include <OgreEntity.h>
#include <OgreMesh.h>
#include <OgreRectangle2D.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreSubEntity.h>
#include <OgreSubMesh.h>

#include <algorithm>
#include <vector>

namespace
{
const size_t kMaxHits = 60;

struct CPickHit
{
    CObject* object = nullptr;
    Ogre::Vector3 point = Ogre::Vector3::ZERO;
    float distance = -1.0f;
};

CObject* objectOf(Ogre::MovableObject* movable)
{
    const Ogre::Any& any = movable->getUserObjectBindings().getUserAny();
    if (!any.has_value() || any.type() != typeid(CObject*))
        return nullptr;
    return Ogre::any_cast<CObject*>(any);
}

// Appends the world-space positions of one vertex data to vertices.
void gatherVertices(const Ogre::VertexData* data, const Ogre::Vector3& position,
                    const Ogre::Quaternion& orientation, const Ogre::Vector3& scale,
                    std::vector<Ogre::Vector3>& vertices)
{
    const Ogre::VertexElement* element =
        data->vertexDeclaration->findElementBySemantic(Ogre::VES_POSITION);
    if (!element || data->vertexCount == 0)
        return;
    Ogre::HardwareVertexBufferSharedPtr buffer = data->vertexBufferBinding->getBuffer(element->getSource());
    const size_t stride = buffer->getVertexSize();
    std::vector<unsigned char> bytes(data->vertexCount * stride);
    buffer->readData(data->vertexStart * stride, bytes.size(), bytes.data());
    for (size_t i = 0; i < data->vertexCount; ++i)
    {
        float* p = nullptr;
        element->baseVertexPointerToElement(bytes.data() + i * stride, &p);
        const Ogre::Vector3 local(p[0], p[1], p[2]);
        vertices.push_back(position + orientation * (local * scale));
    }
}

void gatherIndices(const Ogre::IndexData* data, size_t offset, std::vector<uint32_t>& indices)
{
    if (!data || data->indexCount == 0 || !data->indexBuffer)
        return;
    const Ogre::HardwareIndexBufferSharedPtr& buffer = data->indexBuffer;
    const bool wide = buffer->getType() == Ogre::HardwareIndexBuffer::IT_32BIT;
    const size_t size = wide ? 4 : 2;
    std::vector<unsigned char> bytes(data->indexCount * size);
    buffer->readData(data->indexStart * size, bytes.size(), bytes.data());
    for (size_t i = 0; i < data->indexCount; ++i)
    {
        uint32_t index = 0;
        if (wide)
            std::memcpy(&index, bytes.data() + 4 * i, 4);
        else
        {
            uint16_t narrow = 0;
            std::memcpy(&narrow, bytes.data() + 2 * i, 2);
            index = narrow;
        }
        indices.push_back(static_cast<uint32_t>(index + offset));
    }
}

// The exact test: the nearest front-facing triangle of the entity's mesh
// (the animated vertices when the entity is skinned in software).
bool meshHit(Ogre::Entity* entity, const Ogre::Ray& ray, Ogre::Vector3& point)
{
    Ogre::SceneNode* node = entity->getParentSceneNode();
    const Ogre::MeshPtr& mesh = entity->getMesh();
    if (!node || !mesh)
        return false;
    const Ogre::Vector3 position = node->_getDerivedPosition();
    const Ogre::Quaternion orientation = node->_getDerivedOrientation();
    const Ogre::Vector3 scale = node->_getDerivedScale();

    const bool skinned = entity->hasSkeleton() && entity->getSoftwareAnimationRequests() > 0;
    if (skinned)
        entity->_updateAnimation();

    std::vector<Ogre::Vector3> vertices;
    std::vector<uint32_t> indices;
    size_t sharedOffset = 0;
    bool sharedAdded = false;
    for (unsigned short i = 0; i < mesh->getNumSubMeshes(); ++i)
    {
        Ogre::SubMesh* sub = mesh->getSubMesh(i);
        if (sub->operationType != Ogre::RenderOperation::OT_TRIANGLE_LIST)
            continue;
        size_t offset = vertices.size();
        if (sub->useSharedVertices)
        {
            if (!mesh->sharedVertexData)
                continue;
            if (!sharedAdded)
            {
                sharedOffset = vertices.size();
                gatherVertices(skinned ? entity->_getSkelAnimVertexData() : mesh->sharedVertexData,
                               position, orientation, scale, vertices);
                sharedAdded = true;
            }
            offset = sharedOffset;
        }
        else
        {
            if (!sub->vertexData)
                continue;
            gatherVertices(skinned ? entity->getSubEntity(i)->_getSkelAnimVertexData() : sub->vertexData,
                           position, orientation, scale, vertices);
        }
        gatherIndices(sub->indexData, offset, indices);
    }

    bool hit = false;
    float nearest = 0.0f;
    for (size_t i = 0; i + 2 < indices.size(); i += 3)
    {
        if (indices[i] >= vertices.size() || indices[i + 1] >= vertices.size() ||
            indices[i + 2] >= vertices.size())
            continue;
        const std::pair<bool, Ogre::Real> result = Ogre::Math::intersects(
            ray, vertices[indices[i]], vertices[indices[i + 1]], vertices[indices[i + 2]], true, false);
        if (result.first && result.second > 0.0f && (!hit || result.second < nearest))
        {
            hit = true;
            nearest = result.second;
        }
    }
    if (hit)
        point = ray.getPoint(nearest);
    return hit;
}

// A 2D rectangle covers a part of the screen: it is hit when the cursor lies
// in it.  Its corners are in normalised screen space, y up.
bool rectangleHit(Ogre::Rectangle2D* rect, float cursorX, float cursorY)
{
    Ogre::RenderOperation op;
    rect->getRenderOperation(op);
    if (!op.vertexData || op.vertexData->vertexCount < 4)
        return false;
    std::vector<Ogre::Vector3> corners;
    gatherVertices(op.vertexData, Ogre::Vector3::ZERO, Ogre::Quaternion::IDENTITY, Ogre::Vector3::UNIT_SCALE,
                   corners);
    if (corners.empty())
        return false;
    float left = corners[0].x, right = corners[0].x, bottom = corners[0].y, top = corners[0].y;
    for (const Ogre::Vector3& c : corners)
    {
        left = std::min(left, c.x);
        right = std::max(right, c.x);
        bottom = std::min(bottom, c.y);
        top = std::max(top, c.y);
    }
    const float x = cursorX * 2.0f - 1.0f;
    const float y = 1.0f - cursorY * 2.0f;
    return x >= left && x <= right && y >= bottom && y <= top;
}

void post(CObject* target, MessageType type, const Ogre::Vector3* point)
{
    CMessage msg;
    msg.target = target;
    msg.type = type;
    if (point)
    {
        msg.setReal(0, point->x);
        msg.setReal(1, point->y);
        msg.setReal(2, point->z);
    }
    gApp.postMessage(msg);
}
} // namespace

void CApplication::setPickMask(uint32_t mask)
{
    mPickMask = mask;
    if (mRayQuery && mSceneMgr)
    {
        mSceneMgr->destroyQuery(mRayQuery);
        mRayQuery = mSceneMgr->createRayQuery(Ogre::Ray(), mPickMask);
    }
}

void Scene::pickObject()
{
    CApplication& app = gApp;
    if (app.mPickingOff || !app.mSceneMgr || !app.mCamera)
        return;
    const float x = app.mInput ? app.mInput->mCursorX : 0.5f;
    const float y = app.mInput ? app.mInput->mCursorY : 0.5f;
    const Ogre::Ray ray = app.mCamera->getCameraToViewportRay(x, y);

    if (!app.mRayQuery)
        app.mRayQuery = app.mSceneMgr->createRayQuery(ray, app.mPickMask);
    app.mRayQuery->setRay(ray);
    // The mask can change behind the query's back (a scene load sets 0).
    app.mRayQuery->setQueryMask(app.mPickMask);
    app.mRayQuery->setSortByDistance(true, 0);
    const Ogre::RaySceneQueryResult results = app.mRayQuery->execute();

    CObject* previous = app.mHovered;
    app.mHovered = nullptr;
    std::vector<CPickHit> hits;
    for (const Ogre::RaySceneQueryResultEntry& entry : results)
    {
        if (!entry.movable)
            continue;
        CObject* object = objectOf(entry.movable);
        if (!object || !object->mPickable || !entry.movable->isVisible())
            continue;
        Ogre::Vector3 point;
        // The kind of the movable decides the test: a rectangle is no mesh.
        if (Ogre::Entity* entity = dynamic_cast<Ogre::Entity*>(entry.movable))
        {
            if (!meshHit(entity, ray, point))
                continue;
        }
        else if (Ogre::Rectangle2D* rect = dynamic_cast<Ogre::Rectangle2D*>(entry.movable))
        {
            if (!rectangleHit(rect, x, y))
                continue;
            // A rectangle lies on the screen itself, in front of everything.
            point = ray.getOrigin();
        }
        else
            continue;

        app.mHovered = object;
        app.mHitPoint = point;
        if (!app.mAllHits)
            break;
        if (hits.size() < kMaxHits)
        {
            CPickHit hit;
            hit.object = object;
            hit.point = point;
            hit.distance = ray.getOrigin().distance(point);
            hits.push_back(hit);
        }
    }
    if (app.mAllHits && hits.size() > 1)
    {
        // Strictly by distance; equal distances keep the query's order.
        std::stable_sort(hits.begin(), hits.end(),
                         [](const CPickHit& a, const CPickHit& b) { return a.distance < b.distance; });
        app.mHovered = hits.front().object;
        app.mHitPoint = hits.front().point;
    }

    if (app.mHovered != previous)
    {
        if (previous)
        {
            previous->mHovered = false;
            post(previous, MSG_KILLFOCUS, nullptr);
        }
        if (app.mHovered)
        {
            app.mHovered->mHovered = true;
            post(app.mHovered, MSG_SETFOCUS, nullptr);
        }
    }
}

void Scene::sendMouseButton(bool down)
{
    CApplication& app = gApp;
    CObject* object = app.mHovered;
    if (app.mPickingOff || !object)
        return;
    const char* name = object->getNodeName();
    if (!down)
    {
        post(object, MSG_LBUTTONUP, &app.mHitPoint);
        Log::print("\nObject %s MSG_LBUTTONUP", name ? name : "");
        return;
    }
    if (app.mInput && app.mInput->leftHeld())
        return;
    post(object, MSG_LBUTTONDOWN, &app.mHitPoint);
    Log::print("\nObject %s MSG_LBUTTONDOWN", name ? name : "");
}

void Scene::turnCameraByWheel(float delta)
{
    String state;
    if (!CAppState::getMapValue(gApp.mAppState.mVars, "stateInv", state) || std::atoi(state.c_str()) == 0)
        return;
    if (delta > 0.1f)
        CVirtualScript::sendNotifyByName("01_cam_move", 7771, 0);
    else if (delta < -0.1f)
        CVirtualScript::sendNotifyByName("01_cam_move", 7770, 0);
}
